# The stored record and the counters everything reads: the preference
# file, the statistics and the order every board of the record keeps.
list(APPEND WORDLOFT_CORE_SOURCES
    records/board_order.cpp
    records/preferences.cpp
    records/statistics.cpp
    records/whole_file.cpp)
