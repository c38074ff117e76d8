; The installer's own texts in Spanish; NSIS brings its pages' texts.
LangString PLAY_NOW ${LANG_SPANISH} "Jugar a Wordloft ahora"
LangString RUNNING ${LANG_SPANISH} "Wordloft se está ejecutando. Ciérrelo y elija Reintentar."
LangString SECTION_GAME ${LANG_SPANISH} "Wordloft (juego, ayuda y Léame)"
LangString SECTION_DESKTOP ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString SHORTCUT_HELP ${LANG_SPANISH} "Ayuda de Wordloft"
LangString SHORTCUT_PLAY_DESCRIPTION ${LANG_SPANISH} "Jugar a Wordloft"
LangString LIST_TYPE ${LANG_SPANISH} "Lista de palabras de Wordloft"
LangString HELP_PAGE ${LANG_SPANISH} "wlthelp-es.htm"
