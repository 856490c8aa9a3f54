#pragma once
#include <cstdint>

struct RankingFile;

// The entries of a table that hold a result: those before the first empty one.
int CountRankedEntries(const RankingFile& table);

// Fills order[0..count) with the table indices 0..count-1 sorted for the
// column (ranking_columns.h), best first; equal keys keep their table order.
void OrderByColumn(const RankingFile& table, int column, int count, int8_t* order);

// Turns order[0..count) around, ties and all.
void ReverseOrder(int8_t* order, int count);
