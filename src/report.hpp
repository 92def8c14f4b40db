// The rank table and the summary under it.
#pragma once

// Writes the header, the rule and one row per rung, then a blank line.
void print_rank_table();

// Writes the two summary lines.
void print_summary();

// Writes one space per column that name falls short of width.
void pad_to_width(int width, const char *name);
