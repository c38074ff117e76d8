; The installer's own texts in English; NSIS brings its pages' texts.
LangString PLAY_NOW ${LANG_ENGLISH} "Play Wordloft now"
LangString RUNNING ${LANG_ENGLISH} "Wordloft is running. Close it, then choose Retry."
LangString SECTION_GAME ${LANG_ENGLISH} "Wordloft (game, help and read-me)"
LangString SECTION_DESKTOP ${LANG_ENGLISH} "Desktop shortcut"
LangString SHORTCUT_HELP ${LANG_ENGLISH} "Wordloft Help"
LangString SHORTCUT_PLAY_DESCRIPTION ${LANG_ENGLISH} "Play Wordloft"
LangString LIST_TYPE ${LANG_ENGLISH} "Wordloft word list"
LangString HELP_PAGE ${LANG_ENGLISH} "wlthelp.htm"
