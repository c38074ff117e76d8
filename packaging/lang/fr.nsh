; The installer's own texts in French; NSIS brings its pages' texts.
LangString PLAY_NOW ${LANG_FRENCH} "Jouer à Wordloft maintenant"
LangString RUNNING ${LANG_FRENCH} "Wordloft est en cours d'exécution. Fermez-le, puis choisissez Réessayer."
LangString SECTION_GAME ${LANG_FRENCH} "Wordloft (jeu, aide et fichier Lisez-moi)"
LangString SECTION_DESKTOP ${LANG_FRENCH} "Raccourci sur le Bureau"
LangString SHORTCUT_HELP ${LANG_FRENCH} "Aide de Wordloft"
LangString SHORTCUT_PLAY_DESCRIPTION ${LANG_FRENCH} "Jouer à Wordloft"
LangString LIST_TYPE ${LANG_FRENCH} "Liste de mots Wordloft"
LangString HELP_PAGE ${LANG_FRENCH} "wlthelp-fr.htm"
