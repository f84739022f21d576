#include "platform/ini_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace quillomar::ini {
namespace {

std::string Read(std::string_view text, std::string_view section, std::string_view key, std::uint32_t size = 64,
                 std::string_view fallback = "DEFAULT") {
    char buffer[512];
    ReadString(text, section, key, fallback, buffer, size);
    return buffer;
}

TEST(IniReader, FindsValuesAsThePrivateProfileReaderDoes) {
    struct Case {
        const char* what;
        std::string_view text;
        const char* expected;
    } cases[] = {
        {"plain", "[S]\nK=v\n", "v"},
        {"blanks around names and values", "  [S]  \n \t K \t= \t v w \t\n", "v w"},
        {"section and key in other case", "[s]\nk=v\n", "v"},
        {"CR LF line ends", "[S]\r\nK=v\r\n", "v"},
        {"lone CR line ends", "[S]\rK=v\r", "v"},
        {"no newline at the end", "[S]\nK=v", "v"},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF[S]\nK=v\n", "v"},
        {"first key of a name wins", "[S]\nK=1\nK=2\n", "1"},
        {"first section of a name wins", "[S]\nA=1\n[S]\nK=2\n", "DEFAULT"},
        {"key of another section", "[T]\nK=v\n[S]\nJ=w\n", "DEFAULT"},
        {"key before any section", "K=v\n[S]\n", "DEFAULT"},
        {"missing section", "[T]\nK=v\n", "DEFAULT"},
        {"comment lines are no keys", "[S]\n; K=x\n# K=y\nK=v\n", "v"},
        {"a commented-out key does not match", "[S]\n;K=x\n", "DEFAULT"},
        {"text after the value stays", "[S]\nK=5 ; five\n", "5 ; five"},
        {"empty value", "[S]\nK=\n", ""},
        {"a key without equals sign reads as missing", "[S]\nK\n", "DEFAULT"},
        {"matching double quotes are dropped", "[S]\nK=\"a b\"\n", "a b"},
        {"matching single quotes are dropped", "[S]\nK='a'\n", "a"},
        {"unmatched quotes stay", "[S]\nK=\"a\n", "\"a"},
        {"a lone quote stays", "[S]\nK=\"\n", "\""},
        {"equals signs inside the value", "[S]\nK=a=b\n", "a=b"},
        {"blanks inside section brackets are trimmed", "[ \tS\x1A ]\nK=v\n", "v"},
        {"a section name ends at a NUL byte", std::string_view("[S\0x]\nK=v\n", 11), "v"},
        {"a value ends at a NUL byte", std::string_view("[S]\nK=a \0b\n", 11), "a "},
        {"a value cut at NUL loses its closing quote", std::string_view("[S]\nK=\"a\0\"\n", 12), "\"a"},
        {"text after the closing bracket", "[S] ; section\nK=v\n", "v"},
        {"end-of-file mark counts as blank", "[S]\nK=v\x1A\n", "v"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.text, "S", "K"), c.expected) << c.what;
}

TEST(IniReader, ReadsTextAfterAByteOrderMarkInTheAnsiCodePage) {
    struct Case {
        const char* what;
        std::string_view file;
        const char* expected;
    } cases[] = {
        {"UTF-8: Latin-1 letters keep their byte", "\xEF\xBB\xBF[S]\nK=\xC3\xB6\xC3\xA9\n", "\xF6\xE9"},
        {"UTF-8: Windows-1252 extras", "\xEF\xBB\xBF[S]\nK=\xE2\x82\xAC\xE2\x84\xA2\xC5\x93\n", "\x80\x99\x9C"},
        {"UTF-8: a character the code page lacks",
         "\xEF\xBB\xBF[S]\nK=a\xE4\xB8\xAD"
         "b\n",
         "a?b"},
        {"UTF-8: a character beyond 16 bits is two", "\xEF\xBB\xBF[S]\nK=\xF0\x9F\x98\x80\n", "??"},
        {"UTF-16 little-endian", std::string_view("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xF6\0\xAC\x20", 18), "\xF6\x80"},
        {"UTF-16 big-endian", std::string_view("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0v", 16), "v"},
        {"no mark: bytes stay as they are", "[S]\nK=\xC3\xB6\n", "\xC3\xB6"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.file, "S", "K"), c.expected) << c.what;
}

TEST(IniReader, CutsValuesToTheBufferSize) {
    EXPECT_EQ(Read("[S]\nK=abcdef\n", "S", "K", 4), "abc");
    EXPECT_EQ(Read("[S]\nK=abcdef\n", "S", "K", 1), "");
    EXPECT_EQ(Read("[T]\n", "S", "K", 4, "defaults"), "def");
    // A quoted value whose closing quote does not fit loses its last character as well.
    EXPECT_EQ(Read("[S]\nK=\"abc\"\n", "S", "K", 4), "ab");
    EXPECT_EQ(Read("[S]\nK=\"abc\"\n", "S", "K", 5), "abc");
    char untouched = 'z';
    EXPECT_EQ(ReadString("[S]\nK=v\n", "S", "K", "", &untouched, 0), 0u);
    EXPECT_EQ(untouched, 'z');
}

TEST(IniReader, ReadsIntegersAsThePrivateProfileReaderDoes) {
    struct Case {
        const char* value;
        std::uint32_t expected;
    } cases[] = {
        {"42", 42},
        {"-42", static_cast<std::uint32_t>(-42)},
        {"+7", 7},
        {"0x1F", 31},
        {"0X1F", 0},  // only a lower-case prefix makes hex
        {"0xZZ", 0},
        {"-0x10", static_cast<std::uint32_t>(-16)},
        {"12abc", 12},
        {"abc", 0},
        {"4294967295", 4294967295u},
        {"4294967296", 0},  // wraps, as the platform's parse does
        {"2147483648", 2147483648u},
        {"99999999999", 1215752191u},
        {"- 5", 0},
        {"\"8\"", 8},
        {"0000000000000000000000000000001", 0},  // only the first 29 characters are read
        {"00000000000000000000000000009", 9},
    };
    for (const Case& c : cases) {
        std::string text = std::string("[S]\nK=") + c.value + "\n";
        EXPECT_EQ(ReadInt(text, "S", "K", 5), c.expected) << "value: '" << c.value << "'";
    }
    EXPECT_EQ(ReadInt("[S]\nK=\n", "S", "K", 5), 5u) << "an empty value gives the default";
    EXPECT_EQ(ReadInt("[S]\n", "S", "K", -9), static_cast<std::uint32_t>(-9));
}

}  // namespace
}  // namespace quillomar::ini
