// The lines of a text window: records with line control appended at the end, the oldest
// lines dropped past the capacity.
#include "fenstrocore.h"

namespace {

void NewLine(LineStore& s) {
    s.lines.emplace_back();
    while (s.lines.size() > s.capacity) {
        s.lines.pop_front();
        ++s.dropped;
    }
}

// A new line for a record: an open last line that holds nothing yet serves as it.
void StartLine(LineStore& s) {
    if (s.open && !s.lines.empty() && s.lines.back().empty())
        return;
    NewLine(s);
}

void PutChar(LineStore& s, char c) {
    if (s.lines.empty())
        NewLine(s);
    if (c == '\n') {
        NewLine(s);
        return;
    }
    if (c == '\r')
        return;
    if (c == '\t') {
        std::size_t stop = (s.lines.back().size() / FENSTRO_TAB_WIDTH + 1) * FENSTRO_TAB_WIDTH;
        if (stop > FENSTRO_LINE_WIDTH)
            stop = FENSTRO_LINE_WIDTH;
        s.lines.back().resize(stop, ' ');
    } else {
        if (s.lines.back().size() >= FENSTRO_LINE_WIDTH)
            NewLine(s);
        s.lines.back().push_back(c == '\0' ? ' ' : c);
    }
    if (s.lines.back().size() > s.widest)
        s.widest = s.lines.back().size();
}

void PutText(LineStore& s, const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        PutChar(s, text[i]);
}

} // namespace

void AppendRecord(LineStore& store, const char* record, std::size_t length, bool lineOpen) {
    // One record is one line: a number field that fills its columns puts a digit or a sign
    // where the control stands, and that must not space the lines apart.
    if (length > 0 && record[0] == '+') {
        if (store.lines.empty())
            NewLine(store);
    } else {
        StartLine(store);
    }
    if (length > 1)
        PutText(store, record + 1, length - 1);
    store.open = lineOpen;
}
