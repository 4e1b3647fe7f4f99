// Reading dialog templates as the resource compiler writes them, plain and extended.
#include "fenstrocore.h"

#include <cstring>

namespace {

constexpr std::uint32_t wsGroup = 0x00020000;
constexpr std::uint32_t dsSetFont = 0x40;
constexpr std::uint32_t dsShellFont = 0x48;

struct Reader {
    const unsigned char* data;
    std::size_t size;
    std::size_t pos = 0;
    bool ok = true;

    std::uint16_t Word() {
        if (pos + 2 > size) {
            ok = false;
            return 0;
        }
        std::uint16_t v = static_cast<std::uint16_t>(data[pos] | (data[pos + 1] << 8));
        pos += 2;
        return v;
    }
    std::uint32_t Dword() {
        std::uint32_t lo = Word();
        std::uint32_t hi = Word();
        return lo | (hi << 16);
    }
    void Skip(std::size_t n) {
        if (pos + n > size)
            ok = false;
        else
            pos += n;
    }
    void AlignDword() { pos = (pos + 3) & ~static_cast<std::size_t>(3); }
};

// Windows-1252 for a UTF-16 unit; '?' when it has none.
char To1252(std::uint16_t u) {
    static const std::uint16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (high[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

std::string WideString(Reader& r) {
    std::string s;
    for (;;) {
        std::uint16_t u = r.Word();
        if (!r.ok || u == 0)
            return s;
        s.push_back(To1252(u));
    }
}

// A name or an ordinal: the text, or the ordinal as "#n" (0 when ordinal is wanted apart).
std::string NameOrOrdinal(Reader& r, std::uint16_t* ordinal = nullptr) {
    std::uint16_t first = r.Word();
    if (ordinal)
        *ordinal = 0;
    if (first == 0)
        return std::string();
    if (first == 0xFFFF) {
        std::uint16_t n = r.Word();
        if (ordinal)
            *ordinal = n;
        return std::string();
    }
    std::string s(1, To1252(first));
    return s + WideString(r);
}

bool SameName(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b))
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

void Classify(DlgControl& c, std::uint16_t classOrdinal) {
    static const char* const predefined[] = {"Button",  "Edit",      "Static",
                                             "ListBox", "ScrollBar", "ComboBox"};
    if (classOrdinal >= 0x80 && classOrdinal <= 0x85)
        c.className = predefined[classOrdinal - 0x80];
    if (SameName(c.className, "Button")) {
        switch (c.style & 0x0F) {
        case 2:
        case 3:
        case 5:
        case 6: c.kind = DlgKind::CheckBox; break;
        case 4:
        case 9: c.kind = DlgKind::RadioButton; break;
        case 7: c.kind = DlgKind::GroupBox; break;
        default: c.kind = DlgKind::PushButton; break;
        }
    } else if (SameName(c.className, "Edit")) {
        c.kind = DlgKind::Edit;
    } else if (SameName(c.className, "Static")) {
        c.kind = DlgKind::Static;
    } else if (SameName(c.className, "ComboBox")) {
        c.kind = DlgKind::ComboBox;
    } else if (SameName(c.className, "ListBox")) {
        c.kind = DlgKind::ListBox;
    }
}

} // namespace

bool ParseDialogTemplate(const unsigned char* data, std::size_t size, DlgTemplateInfo& out) {
    out = DlgTemplateInfo();
    if (data == nullptr)
        return false;
    Reader r{data, size};
    std::uint16_t count = 0;
    if (size >= 4 && r.data[0] == 1 && r.data[1] == 0 && r.data[2] == 0xFF && r.data[3] == 0xFF) {
        out.extended = true;
        r.Skip(4);
        r.Dword(); // help id
        r.Dword(); // extended style
        out.style = r.Dword();
    } else {
        out.style = r.Dword();
        r.Dword(); // extended style
    }
    count = r.Word();
    r.Skip(8);        // x, y, cx, cy
    NameOrOrdinal(r); // menu
    NameOrOrdinal(r); // class
    out.caption = WideString(r);
    if ((out.style & dsSetFont) || (out.extended && (out.style & dsShellFont) == dsShellFont)) {
        r.Word(); // point size
        if (out.extended)
            r.Skip(4); // weight, italic, character set
        WideString(r);
    }
    int group = 0;
    for (std::uint16_t i = 0; i < count && r.ok; ++i) {
        r.AlignDword();
        DlgControl c;
        if (out.extended) {
            r.Dword(); // help id
            r.Dword(); // extended style
            c.style = r.Dword();
            r.Skip(8);
            c.id = static_cast<std::int32_t>(r.Dword());
        } else {
            c.style = r.Dword();
            r.Dword();
            r.Skip(8);
            std::uint16_t id = r.Word(); // 0xFFFF is the usual -1 of labels
            c.id = id == 0xFFFF ? -1 : id;
        }
        bool idAllOnes = c.id == -1;
        std::uint16_t classOrdinal = 0;
        c.className = NameOrOrdinal(r, &classOrdinal);
        c.text = NameOrOrdinal(r);      // an ordinal (a picture's resource) leaves no text
        std::uint16_t extra = r.Word(); // bytes of creation data that follow
        r.Skip(extra);
        if (!r.ok)
            break;
        if (i == 0 || (c.style & wsGroup))
            ++group;
        c.group = group;
        Classify(c, classOrdinal);
        // A push button ends the dialog with its id, and -1 is no id to end it with: in a
        // plain template its 0xFFFF is the highest id, 65535.
        if (!out.extended && idAllOnes && c.kind == DlgKind::PushButton)
            c.id = 0xFFFF;
        out.controls.push_back(c);
    }
    if (!r.ok)
        return false;
    for (DlgControl& c : out.controls)
        for (const DlgControl& other : out.controls)
            if (&other != &c && other.id == c.id)
                c.shared = true;
    // The first radio button of each group starts marked.
    int marked = 0;
    for (DlgControl& c : out.controls)
        if (c.kind == DlgKind::RadioButton && c.group != marked) {
            c.checked = true;
            marked = c.group;
        }
    return true;
}
