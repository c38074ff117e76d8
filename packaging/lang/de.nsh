; The installer's own texts in German (NSIS's own pages bring their German).
LangString PLAY_NOW ${LANG_GERMAN} "Wordloft jetzt spielen"
LangString RUNNING ${LANG_GERMAN} "Wordloft wird gerade ausgeführt. Schließen Sie das Spiel, und wählen Sie dann „Wiederholen“."
LangString SECTION_GAME ${LANG_GERMAN} "Wordloft (Spiel, Hilfe und Liesmich-Datei)"
LangString SECTION_DESKTOP ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString SHORTCUT_HELP ${LANG_GERMAN} "Wordloft-Hilfe"
LangString SHORTCUT_PLAY_DESCRIPTION ${LANG_GERMAN} "Wordloft spielen"
LangString LIST_TYPE ${LANG_GERMAN} "Wordloft-Wortliste"
