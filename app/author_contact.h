// The author's addresses offered by the File menu's "Contact Author"
// items: copied to the clipboard as they stand, and the web address opened
// by "Visit Web Page". Change them here for another build.
#ifndef WORDLOFT_APP_AUTHOR_CONTACT_H
#define WORDLOFT_APP_AUTHOR_CONTACT_H

constexpr char kAuthorEmailAddress[] = "author@wordloft.example";
constexpr char kAuthorWebAddress[] = "http://www.wordloft.example/";
// Several lines, each ended by a line feed.
constexpr char kAuthorMailingAddress[] =
    "Wordloft\n"
    "P.O. Box 1200\n"
    "Springfield, ST 00000\n";

#endif
