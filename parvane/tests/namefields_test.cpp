// The file-name fields of the file dialog: the proposal and the chosen path handed back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "namefields.h"

namespace {

std::string Field(const char* text, std::size_t textLength, std::size_t length) {
    std::string f(text, textLength);
    f.resize(length, ' ');
    return f;
}

TEST(FileDialogProposal, NameWithoutTrailingBlanksThenNulAndBlanks) {
    struct Case {
        const char* what;
        std::string name;
        std::string file; // the first characters of the buffer; blanks follow to 256
    } cases[] = {
        // The start value: text, NUL, blanks; the NUL stays part of the text.
        {"start value", Field("Zelmark_h.bmp\0", 14, 256), std::string("Zelmark_h.bmp\0\0", 15)},
        {"path and blanks", Field("C:\\Bilder\\a b.bmp", 17, 256),
         std::string("C:\\Bilder\\a b.bmp\0", 18)},
        {"all blanks", std::string(256, ' '), std::string("\0", 1)},
        {"short field", "x.bmp  ", std::string("x.bmp\0", 6)},
        {"inner blanks kept", "a  b ", std::string("a  b\0", 5)},
        {"longer than the buffer", std::string(300, 'q'), std::string(255, 'q') + '\0'},
    };
    for (const Case& c : cases) {
        char file[FILE_FIELD_LENGTH];
        memset(file, '#', sizeof file);
        ProposeFileName(c.name.data(), c.name.size(), file);
        EXPECT_EQ(std::string(file, sizeof file), Field(c.file.data(), c.file.size(), 256))
            << c.what;
    }
}

TEST(FileDialogResult, PathFitsOrIsCutWithNegativeLength) {
    const std::string path = "C:\\users\\bilder\\urlaub\\strand_0001.bmp"; // 38 characters
    ASSERT_EQ(path.size(), 38u);
    char file[FILE_FIELD_LENGTH];
    ProposeFileName(path.data(), path.size(), file);

    struct Case {
        std::size_t nameLength;
        int result;
        std::string name;
    } cases[] = {
        {256, 38, Field(path.data(), 38, 256)}, // the path and 218 blanks
        {38, 38, path},                         // exactly fits: no blank after it
        {10, -38, path.substr(0, 10)},          // cut to what the field holds
        {1, -38, path.substr(0, 1)},
    };
    for (const Case& c : cases) {
        std::string name(c.nameLength + 1, '#'); // one guard character behind the field
        EXPECT_EQ(TakeChosenPath(file, &name[0], c.nameLength), c.result) << c.nameLength;
        EXPECT_EQ(name.substr(0, c.nameLength), c.name) << c.nameLength;
        EXPECT_EQ(name.back(), '#') << "wrote past a field of " << c.nameLength;
    }

    // The longest path the dialog can give: 255 characters and the NUL.
    const std::string longest(255, 'p');
    ProposeFileName(longest.data(), longest.size(), file);
    std::string name(256, '#');
    EXPECT_EQ(TakeChosenPath(file, &name[0], name.size()), 255);
    EXPECT_EQ(name, longest + ' ');
}

} // namespace
