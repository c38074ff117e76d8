// The Words menu's editing commands: "Edit Custom Words..." and
// "Edit Random Categories...".
#ifndef WORDLOFT_APP_WORD_LIST_COMMANDS_H
#define WORDLOFT_APP_WORD_LIST_COMMANDS_H

void EditCustomWordsCommand();
void EditRandomCategoriesCommand();

#endif
