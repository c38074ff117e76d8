; The installer's own texts in German; NSIS brings its pages' texts.
LangString PLAY_NOW ${LANG_GERMAN} "Wordloft jetzt spielen"
LangString RUNNING ${LANG_GERMAN} "Wordloft wird gerade ausgeführt. Schließen Sie das Spiel, und wählen Sie dann „Wiederholen“."
LangString SECTION_GAME ${LANG_GERMAN} "Wordloft (Spiel, Hilfe und Liesmich-Datei)"
LangString SECTION_DESKTOP ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString SHORTCUT_HELP ${LANG_GERMAN} "Wordloft-Hilfe"
LangString SHORTCUT_PLAY_DESCRIPTION ${LANG_GERMAN} "Wordloft spielen"
LangString LIST_TYPE ${LANG_GERMAN} "Wordloft-Wortliste"
LangString HELP_PAGE ${LANG_GERMAN} "wlthelp-de.htm"
