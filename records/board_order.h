// The order every board of the stored record keeps: highest score first,
// equal scores in the order they entered. The record is brought into this
// order when it is read, and the scoreboard keeps it after each entry.
#ifndef WORDLOFT_RECORDS_BOARD_ORDER_H
#define WORDLOFT_RECORDS_BOARD_ORDER_H

#include <cstdint>

// Orders board m by score, highest first; equal scores keep their order.
void SortScoreboard(uint16_t m);

#endif
