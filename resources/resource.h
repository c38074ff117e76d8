/* resource.h: every numeric resource id of Wordloft, shared by the
   resource script and the code. Grouped by kind and numeric range. */
#ifndef WORDLOFT_RESOURCE_H
#define WORDLOFT_RESOURCE_H

/* ---- Icons: window class icons ---- */
#define IDI_WORDLOFT            128
#define IDI_WORDLOFT_SMALL      129

/* ---- Icons: scene pictures and letters, drawn with DrawIcon ---- */
#define IDI_CACTUS              155
#define IDI_PEOPLE              156
#define IDI_SUN                 157
#define IDI_USEDLETTER          158
#define IDI_DANCE_FIRST         159   /* 159..166: eight frames of the dance */
#define IDI_DANCE_LAST          166
#define IDI_LETTER_UPPER_A      167   /* 167..192: A..Z in a grey square */
#define IDI_LETTER_LOWER_A      193   /* 193..218: a..z in a grey square */
#define IDI_LETTER_LOWER_Z      218

/* ---- Bitmaps by number ---- */
#define IDB_DIALOG_DECORATION   134   /* Enter Word and Custom Words dialogs */
#define IDB_SCOREBOARD_BANNER   137
#define IDB_SCOREBOARD_HEADINGS 153
#define IDB_ABOUT               220

/* ---- Scoreboard dialogs ---- */
#define IDD_SCOREBOARD          138
#define IDD_STREAKNAME          151
#define IDC_BOARD_FIRST         1003  /* 1003..1007: radio buttons "&4".."1&2" */
#define IDC_BOARD_LAST          1007
#define IDC_STREAK_NAME         1018
#define IDC_BOARD_AREA          1019
#define IDC_SCOREBOARD_BANNER   1025  /* the banner picture, in the language's form */
#define IDS_VARIOUS_CATEGORIES  143

/* ---- Everything else: menu, accelerators, strings, other dialogs ---- */
/* Menu 109 and accelerator table 109 of the main window. */
#define IDR_MAINMENU                   109
#define IDR_ACCELERATORS               109

/* Menu commands. 32781, 32783, 32785 and 32797..32847 double as the stored
   word source; a category's number is its id minus IDM_CATEGORY_FIRST. */
#define IDM_ABOUT                      104
#define IDM_EXIT                       105
#define IDM_NEW                        32771
#define IDM_RESET_CURRENT              32772
#define IDM_RESET_CUMULATIVE           32773
#define IDM_HIGH_SCORES                32774
#define IDM_CUT                        32777
#define IDM_COPY                       32778
#define IDM_PASTE                      32779
#define IDM_SOUND                      32780
#define IDM_ENTER_WORD                 32781
#define IDM_EDIT_CUSTOM_WORDS          32782
#define IDM_USE_CUSTOM_WORDS           32783
#define IDM_EDIT_RANDOM_CATEGORIES     32784
#define IDM_USE_RANDOM_WORDS           32785
#define IDM_GUESSES_4                  32786 /* 32786..32790: 4, 6, 8, 10, 12 guesses */
#define IDM_GUESSES_6                  32787
#define IDM_GUESSES_8                  32788
#define IDM_GUESSES_10                 32789
#define IDM_GUESSES_12                 32790
#define IDM_COPY_EMAIL                 32791
#define IDM_COPY_WEB_ADDRESS           32792
#define IDM_COPY_MAILING_ADDRESS       32793
#define IDM_HELP_INDEX                 32794
#define IDM_HELP_USING                 32795
#define IDM_UNDO                       32796
#define IDM_CATEGORY_ANATOMY           32797 /* 32797..32847: the 51 categories */
#define IDM_CATEGORY_ANIMALS           32798
#define IDM_CATEGORY_ARTISTS           32799
#define IDM_CATEGORY_ASTRONOMY         32800
#define IDM_CATEGORY_AUTHORS           32801
#define IDM_CATEGORY_BASEBALLTEAMS     32802
#define IDM_CATEGORY_BASKETBALLTEAMS   32803
#define IDM_CATEGORY_BESTACTORS        32804
#define IDM_CATEGORY_BESTACTRESSES     32805
#define IDM_CATEGORY_BESTPICTURES      32806
#define IDM_CATEGORY_BIRDS             32807
#define IDM_CATEGORY_BOOKS             32808
#define IDM_CATEGORY_CANADA            32809
#define IDM_CATEGORY_CARS              32810
#define IDM_CATEGORY_CARTOONSANDCOMICS 32811
#define IDM_CATEGORY_CHRISTMAS         32812
#define IDM_CATEGORY_CITIES            32813
#define IDM_CATEGORY_COLORS            32814
#define IDM_CATEGORY_COMPOSERS         32815
#define IDM_CATEGORY_COMPUTERBUZZWORDS 32816
#define IDM_CATEGORY_CONSTELLATIONS    32817
#define IDM_CATEGORY_COUNTRIES         32818
#define IDM_CATEGORY_DESSERTS          32819
#define IDM_CATEGORY_DINOSAURS         32820
#define IDM_CATEGORY_FOOTBALLTEAMS     32821
#define IDM_CATEGORY_FRUITS            32822
#define IDM_CATEGORY_HARDWORDS         32823
#define IDM_CATEGORY_HOCKEYTEAMS       32824
#define IDM_CATEGORY_INSECTS           32825
#define IDM_CATEGORY_ISLANDS           32826
#define IDM_CATEGORY_MAGAZINES         32827
#define IDM_CATEGORY_MONSTERS          32828
#define IDM_CATEGORY_MUSICALINSTRUMENTS 32829
#define IDM_CATEGORY_MYTHOLOGY         32830
#define IDM_CATEGORY_OPERAS            32831
#define IDM_CATEGORY_PLANETS           32832
#define IDM_CATEGORY_PRESIDENTS        32833
#define IDM_CATEGORY_RELIGION          32834
#define IDM_CATEGORY_ROCKNROLL         32835
#define IDM_CATEGORY_ROCKSANDMINERALS  32836
#define IDM_CATEGORY_SHAKESPEARE       32837
#define IDM_CATEGORY_STARTREK          32838
#define IDM_CATEGORY_STATECAPITALS     32839
#define IDM_CATEGORY_STATES            32840
#define IDM_CATEGORY_STREETSIGNS       32841
#define IDM_CATEGORY_TELEVISIONSHOWS   32842
#define IDM_CATEGORY_TOOLS             32843
#define IDM_CATEGORY_TREES             32844
#define IDM_CATEGORY_VEGETABLES        32845
#define IDM_CATEGORY_VICEPRESIDENTS    32846
#define IDM_CATEGORY_WEATHER           32847
#define IDM_CATEGORY_FIRST             32797
#define IDM_CATEGORY_LAST              32847
#define IDM_VISIT_WEB_PAGE             33000
#define IDM_SCORING                    33002
#define IDM_WORD_LANGUAGE_FIRST        33010 /* 33010..33013: English, German, French, Spanish */
#define IDM_WORD_LANGUAGE_LAST         33013

/* About box. */
#define IDD_ABOUT                      103
#define IDC_ABOUT_PICTURE              1     /* a click on the picture closes the box */

/* Enter Word dialog. */
#define IDD_ENTER_WORD                 132
#define IDC_ENTERED_PHRASE             1000
#define IDC_ENTERED_INFORMATION        1001
#define IDC_COPY_TOP_TO_BOTTOM         1002
#define IDC_ENTER_WORD_HELP            1017

/* Custom Words dialog. */
#define IDD_CUSTOM_WORDS               143
#define IDC_CUSTOM_LIST                1002
#define IDC_DELETE_WORD                1003
#define IDC_DELETE_ALL_WORDS           1004
#define IDC_OPEN_LIST                  1005
#define IDC_APPEND_LIST                1006
#define IDC_SAVE_LIST                  1007
#define IDC_SORT_LIST                  1008
#define IDC_CUSTOM_PHRASE              1009
#define IDC_SORT_STATUS                1010
#define IDC_CUSTOM_WORDS_HELP          1011
#define IDC_CUSTOM_WORDS_DONE          1013
#define IDC_COPY_PHRASE_TO_INFORMATION 1014
#define IDC_CUSTOM_INFORMATION         1015
#define IDC_CUSTOM_COUNT               1016

/* The question when a list file comes from outside the game. */
#define IDD_OPEN_LIST_FILE             145
#define IDC_OPEN_LIST_TEXT             1020
#define IDC_REPLACE_LIST               1021
#define IDC_ADD_TO_LIST                1022

/* Random Categories dialog. */
#define IDD_RANDOM_CATEGORIES          144
#define IDC_CATEGORY_LIST              1001
#define IDC_RANDOM_CATEGORIES_HELP     1012

/* Strings. */
#define IDS_GETBUILTINWORD_ERROR       2
#define IDS_ERROR_CREATING_FILE        68
#define IDS_FILTER_ERROR               100
#define IDS_SAVE_LIST_TITLE            102
#define IDS_PRODUCT_TITLE              103
#define IDS_OPEN_LIST_TITLE            104   /* not in the table: the file dialog's own title */
#define IDS_APPEND_LIST_TITLE          105   /* not in the table: the file dialog's own title */
#define IDS_WINDOW_CLASS               109
#define IDS_ERROR_CAPTION              110
#define IDS_WORD_LIST_FILTER           139
#define IDS_THANKS_FOR_PLAYING         142
#define IDS_CONFIRM_MAXGUESSES         144
#define IDS_LIST_FILE_FILTERS          145   /* word-list, text and CSV files */
/* The common file dialog's error codes, by code: 107, 108, 114..138. */
#define IDS_CDERR_DIALOGFAILURE        107
#define IDS_CDERR_STRUCTSIZE           108
#define IDS_CDERR_INITIALIZATION       114
#define IDS_CDERR_NOTEMPLATE           115
#define IDS_CDERR_NOHINSTANCE          116
#define IDS_CDERR_LOADSTRFAILURE       117
#define IDS_CDERR_FINDRESFAILURE       118
#define IDS_CDERR_LOADRESFAILURE       119
#define IDS_CDERR_LOCKRESFAILURE       120
#define IDS_CDERR_MEMALLOCFAILURE      121
#define IDS_CDERR_MEMLOCKFAILURE       122
#define IDS_CDERR_NOHOOK               123
#define IDS_CDERR_PD_SETUPFAILURE      124
#define IDS_CDERR_PD_PARSEFAILURE      125
#define IDS_CDERR_PD_RETDEFFAILURE     126
#define IDS_CDERR_PD_LOADDRVFAILURE    127
#define IDS_CDERR_PD_GETDEVMODEFAIL    128
#define IDS_CDERR_PD_INITFAILURE       129
#define IDS_CDERR_PD_NODEVICES         130
#define IDS_CDERR_PD_NODEFAULTPRN      131
#define IDS_CDERR_PD_DNDMMISMATCH      132
#define IDS_CDERR_PD_CREATEICFAILURE   133
#define IDS_CDERR_PD_PRINTERNOTFOUND   134
#define IDS_CDERR_CF_NOFONTS           135
#define IDS_CDERR_FN_SUBCLASSFAILURE   136
#define IDS_CDERR_FN_INVALIDFILENAME   137
#define IDS_CDERR_FN_BUFFERTOOSMALL    138

/* Word sources and the caption: 300 and up. */
#define IDS_SOURCE_ENTERED_WORDS       300
#define IDS_SOURCE_CUSTOM_WORDS        301
#define IDS_SOURCE_RANDOM_WORDS        302
#define IDS_CAPTION_WITH_SOURCE        303
#define IDS_CAPTION_ENTERED_WORD       304
/* The categories' names: 1000 + 64 x the words' language + k, for the
   English, German, French and Spanish categories in each language. */
#define IDS_CATEGORY_NAME_FIRST        1000
#define IDS_CATEGORY_NAMES_PER_LANGUAGE 64

/* Questions and messages of the scoreboard, SETUP, the help and start-up:
   310 and up. The help files' names are the language's own. */
#define IDS_CONFIRM_DELETE_BOARD           310
#define IDS_CONFIRM_RESET_CURRENT          311
#define IDS_CONFIRM_RESET_CUMULATIVE       312
#define IDS_NAME_REFUSED                   313
#define IDS_SETUP_DESCRIPTION              320
#define IDS_SETUP_DESKTOP_SHORTCUT         321
#define IDS_SETUP_HELP_SHORTCUT            322
#define IDS_SETUP_SET_PATH_FAILED          323
#define IDS_SETUP_SET_DESCRIPTION_FAILED   324
#define IDS_SETUP_SET_FOLDER_FAILED        325
#define IDS_SETUP_SAVE_FAILED              326
#define IDS_SETUP_PROGRAM_FOLDER_TOO_LONG  327
#define IDS_SETUP_SHORTCUT_FOLDER_TOO_LONG 328
#define IDS_SETUP_OLE_FAILED               329
#define IDS_SETUP_DONE                     330
#define IDS_HELP_MISSING                   340
#define IDS_HELP_NOT_OPENED                341
#define IDS_HELP_FILE                      342
#define IDS_WEB_HELP_FILE                  343
#define IDS_WEB_HELP_TOPIC_FILE            344
#define IDS_MISSING_LIBRARY                350
#define IDS_MISSING_FUNCTION               351
#define IDS_MISSING_ORDINAL                352
#define IDS_START_FAILED                   353
#define IDS_START_NO_WINDOW                354
#define IDS_START_NO_CLASS                 355

/* The word dialogs' messages: 360 and up. */
#define IDS_WORD_ERROR                     360
#define IDS_CONFIRM_DELETE_ALL_WORDS       361
#define IDS_SORTING                        362
#define IDS_CONFIRM_OVERWRITE_WORDS        363
#define IDS_NO_CATEGORY_SELECTED           364
#define IDS_PLEASE_TRY_AGAIN               365

/* What the contrast look writes where the normal look shows pictures of
   words, the statistics panel's labels and the scoreboard's headings: 370
   and up. A label of two lines has them apart by a line break. */
#define IDS_LABEL_GAMES                    370
#define IDS_LABEL_WINS                     371
#define IDS_LABEL_LOSSES                   372
#define IDS_LABEL_WINNING_STREAK           373
#define IDS_LABEL_TOTAL_GAMES              374
#define IDS_LABEL_TOTAL_WINS               375
#define IDS_LABEL_TOTAL_LOSSES             376
#define IDS_LABEL_PROGRAM_STARTS           377
#define IDS_HEADING_NAME                   378
#define IDS_HEADING_SCORE                  379
#define IDS_HEADING_CATEGORY               380

/* The words painted into the pictures (the scoreboard's banner, the
   welcome picture, the About picture), which the art generator reads from
   each language's string table: 390 and up. The program does not load
   them. */
#define IDS_PICTURE_BANNER_HEAD            390
#define IDS_PICTURE_BANNER_TITLE           391
#define IDS_PICTURE_OPENING_MOTTO          392
#define IDS_PICTURE_OPENING_WELCOME        393
#define IDS_PICTURE_ABOUT_LINE_1           394
#define IDS_PICTURE_ABOUT_LINE_2           395
#define IDS_PICTURE_ABOUT_LINE_3           396

/* List files and lists from outside the game: 600 and up ({0}: a file's
   name, or the names of the lists that wait, {1} how many). */
#define IDS_LISTS_WAIT_FOR_GAME            600
#define IDS_LISTS_WAIT_FOR_WINDOW          601
#define IDS_LIST_NOT_TAKEN                 602
#define IDS_RUNNING_GAME_NOT_FOUND         603
#define IDS_LIST_NOT_FOUND                 604
#define IDS_LIST_IS_FOLDER                 605
#define IDS_LIST_IS_DEVICE                 606
#define IDS_LIST_HELD                      607
#define IDS_LIST_REFUSED                   608
#define IDS_LIST_TOO_LARGE                 609
#define IDS_LIST_NOT_TEXT                  610

/* What a screen reader hears: 200 and up. */
#define IDS_SAY_APOSTROPHE             200
#define IDS_SAY_HYPHEN                 201
#define IDS_SAY_PERIOD                 202
#define IDS_SAY_COMMA                  203
#define IDS_SAY_EXCLAMATION_MARK       204
#define IDS_SAY_QUESTION_MARK          205
#define IDS_SAY_AMPERSAND              206
#define IDS_SAY_COLON                  207
#define IDS_SAY_SEMICOLON              208
#define IDS_SAY_QUOTE                  209
#define IDS_SAY_OPEN_BRACKET           210
#define IDS_SAY_CLOSE_BRACKET          211
#define IDS_SAY_SLASH                  212
#define IDS_SAY_SYMBOL                 213
#define IDS_SAY_BLANK                  214
#define IDS_SAY_NO_GUESSES_LEFT        215
#define IDS_SAY_GUESSES_LEFT           216
#define IDS_SAY_LETTER                 217
#define IDS_SAY_PHRASE_SHAPE           218
#define IDS_SAY_LETTERS_USED           219
#define IDS_SAY_NONE_USED              220
#define IDS_SAY_GUESSES_OF             221
#define IDS_SAY_CUMULATIVE_STATISTICS  222
#define IDS_SAY_CURRENT_STATISTICS     223
#define IDS_SAY_WINNING_STREAK         224
#define IDS_SAY_LOSING_STREAK          225
#define IDS_SAY_HAPPY                  226
#define IDS_SAY_SAD                    227
#define IDS_SAY_NEUTRAL                228
#define IDS_SAY_RED                    229
#define IDS_SAY_GREEN                  230
#define IDS_SAY_BLUE                   231
#define IDS_SAY_FACE                   232
#define IDS_SAY_CAPITALS               233
#define IDS_SAY_SMALL_LETTERS          234
#define IDS_SAY_ENTERED_WORD           235
#define IDS_SAY_CATEGORY               236
#define IDS_SAY_NEW_GAME               237
#define IDS_SAY_LETTER_FOUND           238
#define IDS_SAY_LETTER_NOT_FOUND       239
#define IDS_SAY_YOU_WON                240
#define IDS_SAY_YOU_LOST               241
#define IDS_SAY_STREAK_OFFER           242
#define IDS_SAY_LETTERS                243
#define IDS_SAY_IN_THE_PHRASE          244
#define IDS_SAY_NOT_IN_THE_PHRASE      245
#define IDS_SAY_GUESS                  246
#define IDS_SAY_PHRASE                 247
#define IDS_SAY_GUESSES_LEFT_NAME      248
#define IDS_SAY_CUMULATIVE_NAME        249
#define IDS_SAY_CURRENT_NAME           250
#define IDS_SAY_SHOW_CURRENT           251
#define IDS_SAY_SHOW_CUMULATIVE        252
#define IDS_SAY_INFORMATION            253
#define IDS_SAY_FACE_NAME              254
#define IDS_SAY_CHANGE_COLOUR          255
#define IDS_SAY_LETTER_CASE            256
#define IDS_SAY_SHOW_SMALL_LETTERS     257
#define IDS_SAY_SHOW_CAPITALS          258
#define IDS_SAY_ANNOUNCEMENTS          259
#define IDS_SAY_BOARD                  260
#define IDS_SAY_RANK                   261
#define IDS_SAY_EMPTY_RANK             262
#define IDS_SAY_ENTRY                  263
#define IDS_SAY_NEW_ENTRY              264

/* The list report's lines and reasons, the question when a list comes
   from outside, and the record's and the list files' errors: 620 and up. */
#define IDS_REPORT_LINE                          620
#define IDS_REPORT_LINE_QUOTED                   621
#define IDS_REPORT_ENTRY                         622
#define IDS_REPORT_ENTRY_QUOTED                  623
#define IDS_REASON_HYPHEN                        624
#define IDS_REASON_APOSTROPHE                    625
#define IDS_REASON_DIGIT                         626
#define IDS_REASON_FULL_STOP                     627
#define IDS_REASON_COMMA                         628
#define IDS_REASON_TAB                           629
#define IDS_REASON_CONTROL                       630
#define IDS_REASON_NO_CHARACTER                  631
#define IDS_REASON_NO_CHARACTER_IN_INFORMATION   632
#define IDS_REASON_CANNOT_SHOW                   633
#define IDS_REASON_CANNOT_SHOW_IN_INFORMATION    634
#define IDS_REASON_ONLY_INFORMATION              635
#define IDS_REASON_TOO_LONG                      636
#define IDS_REASON_COLUMN_HEADING                637
#define IDS_REASON_QUOTE_NOT_CLOSED              638
#define IDS_REASON_ALREADY_IN_LIST               639
#define IDS_REASON_INFORMATION_CUT               640
#define IDS_REASON_NO_PHRASE                     641
#define IDS_REASON_NOT_A_LETTER                  642
#define IDS_REASON_NOT_A_GAME_LETTER             643
#define IDS_REASON_STARTS_WITH_SPACE             644
#define IDS_REASON_TWO_SPACES                    645
#define IDS_REASON_NO_LETTER                     646
#define IDS_ODD_PLAYED_INSTEAD                   647
#define IDS_ODD_FIRST_PLAYED                     648
#define IDS_ODD_GAP                              649
#define IDS_ODD_WIDE_GAP                         650
#define IDS_ODD_SHOWN                            651
#define IDS_REPORT_NO_ENTRIES                    652
#define IDS_REPORT_NO_LINE_USED                  653
#define IDS_REPORT_NO_ENTRY_USED                 654
#define IDS_REPORT_ADDED_LINES                   655
#define IDS_REPORT_ADDED_ENTRIES                 656
#define IDS_REPORT_MORE                          657
#define IDS_REPORT_FULL_LINE                     658
#define IDS_REPORT_FULL_LINES                    659
#define IDS_REPORT_FULL_ENTRY                    660
#define IDS_REPORT_FULL_ENTRIES                  661
#define IDS_QUESTION_HOLDS                       662
#define IDS_QUESTION_FULL                        663
#define IDS_QUESTION_REPLACE_OR_ADD              664
#define IDS_ERROR_WINDOWS_DIRECTORY              670
#define IDS_ERROR_CREATING_PREFERENCES           671
#define IDS_ERROR_WRITING_PREFERENCES            672
#define IDS_ERROR_READING_PREFERENCES            673
#define IDS_WORD_FILE_SIZE_ERROR                 674
#define IDS_ERROR_OPENING_WORD_LIST              675
#define IDS_ERROR_READING_WORD_LIST              676
#define IDS_WORD_LIST_VERSION_ERROR              677
#define IDS_ERROR_WRITING_WORD_FILE              678
#define IDS_OFFICE_FILE_HINT                     679

#endif
