// The rows of the event table: how many entries the log holds, how many whole rows a window
// has, where its scrolling area ends and how many logged lines it shows. Plain C++, tested
// natively.
#pragma once

// Entries the log holds: rows of the fixed font in a maximised window (0 when none fits).
int LogCapacity(int cyMaximized, int cyLine);
// Whole rows of cyLine pixels in a height of cy pixels (0 for a degenerate line height).
int WholeRows(int cy, int cyLine);
// Bottom of the scrolling area: the last whole row's end (the header row included).
int LogAreaBottom(int cyWnd, int cyLine);
// Number of log lines painted: the rows below the header, at most nLogCount, never negative.
int LinesToDraw(int nLogCount, int cyWnd, int cyLine);
