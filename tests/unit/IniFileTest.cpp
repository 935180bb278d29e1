#include "settings/IniFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(IniFile, FindsSectionsAndKeysRegardlessOfCase)
{
    IniFile ini;
    ini.parse("[GeneralSection]\nLastIPPort=502\n");
    EXPECT_EQ(ini.readInteger("generalsection", "LASTIPPORT", 1), 502);
    EXPECT_TRUE(ini.hasSection("GENERALSECTION"));
    ini.writeInteger("GENERALsection", "lastipport", 7);
    EXPECT_EQ(ini.serialize(), "[GeneralSection]\r\nLastIPPort=7\r\n");
}

TEST(IniFile, IntegersFallBackUnlessWholeDecimalIn64Bits)
{
    IniFile ini;
    ini.parse("[S]\na=abc\nb= 42 \nc=-17\nd=9999999999\ne=12abc\nf=\ng=+5\nh=0x10\ni=99999999999999999999\nj=+-3\nk=1.0\n");
    struct Case {
        const char* key;
        std::int64_t expected;
        bool integerText; // spelt as an integer, whatever its size
    };
    const Case cases[] = {{"a", -1, false}, {"b", 42, true}, {"c", -17, true}, {"d", 9999999999LL, true},
                          {"e", -1, false}, {"f", -1, false}, {"g", 5, true},  {"h", -1, false},
                          {"i", -1, true},  {"j", -1, false}, {"k", -1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(ini.readInteger("S", c.key, -1), c.expected) << c.key;
        EXPECT_EQ(IniFile::isIntegerText(*ini.value("S", c.key)), c.integerText) << c.key;
    }
    EXPECT_EQ(ini.readInteger("S", "absent", -1), -1);
    EXPECT_FALSE(IniFile::isIntegerText(" - 5"));
    EXPECT_TRUE(IniFile::isIntegerText("-99999999999999999999999999999"));
}

TEST(IniFile, IntsFallBackOutsideTheIntRange)
{
    IniFile ini;
    ini.parse("[S]\nmax=2147483647\nmin=-2147483648\nabove=2147483648\nbelow=-2147483649\nbad=x\n");
    EXPECT_EQ(ini.readInt("S", "max", 7), 2147483647);
    EXPECT_EQ(ini.readInt("S", "min", 7), -2147483647 - 1);
    EXPECT_EQ(ini.readInt("S", "above", 7), 7);
    EXPECT_EQ(ini.readInt("S", "below", 7), 7);
    EXPECT_EQ(ini.readInt("S", "bad", 7), 7);
    EXPECT_EQ(ini.readInt("S", "absent", 7), 7);
}

TEST(IniFile, PresentEmptyValueIsEmptyAbsentIsFallback)
{
    IniFile ini;
    ini.parse("[S]\nEmpty=\n  Spaced  =  x y  \n");
    EXPECT_EQ(ini.readString("S", "Empty", "default"), "");
    EXPECT_EQ(ini.readString("S", "Missing", "default"), "default");
    EXPECT_EQ(ini.readString("Other", "Empty", "default"), "default");
    EXPECT_EQ(ini.readString("S", "Spaced", ""), "x y");
}

TEST(IniFile, SkipsCommentsStrayLinesAndLaterDuplicates)
{
    IniFile ini;
    ini.parse("orphan=1\n; comment\n# other\n[S]\nnot a pair\nk=first\nK=second\n[s]\nm=merged\n[Broken\nb=2\n");
    EXPECT_EQ(ini.readString("S", "k", ""), "first");
    EXPECT_EQ(ini.readString("S", "m", ""), "merged");
    EXPECT_EQ(ini.readString("Broken", "b", ""), "2");
    EXPECT_FALSE(ini.value("", "orphan").has_value());
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"S", "Broken"}));
}

TEST(IniFile, RewriteKeepsUnknownKeysInPlaceAndAppendsNewOnes)
{
    IniFile ini;
    ini.parse("[A]\nunknown=1\nknown=old\n[Foreign]\nx=y\n");
    ini.writeString("A", "known", "new");
    ini.writeString("A", "added", "2");
    ini.writeString("B", "first", "3");
    EXPECT_EQ(ini.serialize(), "[A]\r\nunknown=1\r\nknown=new\r\nadded=2\r\n\r\n[Foreign]\r\nx=y\r\n\r\n[B]\r\nfirst=3\r\n");
}

TEST(IniFile, ReadsLfOrCrlfAndUtf8OrCp1252AndWritesCrlfCp1252)
{
    const std::string utf8 = "[S]\r\nName=Ação\r\n";
    const std::string cp1252 = "[S]\nName=A\xE7\xE3o \x80\n";
    IniFile a;
    a.parse(utf8);
    EXPECT_EQ(a.readString("S", "Name", ""), "Ação");
    EXPECT_EQ(a.serialize(), "[S]\r\nName=A\xE7\xE3o\r\n");
    IniFile b;
    b.parse(cp1252);
    EXPECT_EQ(b.readString("S", "Name", ""), "Ação €");
    IniFile c;
    c.parse("\xEF\xBB\xBF[S]\nName=\xC3\xA7\n");
    EXPECT_EQ(c.readString("S", "Name", ""), "ç");
    // A character Windows-1252 cannot hold becomes '?'; bytes survive a round trip.
    IniFile d;
    d.writeString("S", "Greek", "Ω");
    d.writeString("S", "Bytes", std::string("\x81\x9D", 2));
    EXPECT_EQ(d.serialize(), "[S]\r\nGreek=?\r\nBytes=\x81\x9D\r\n");
}

TEST(IniFile, ValuesStayOnOneLine)
{
    IniFile ini;
    ini.writeString("S", "k", "a\r\nb\nc");
    EXPECT_EQ(ini.serialize(), "[S]\r\nk=a  b c\r\n");
    // A stray carriage return read inside a line is a blank too, so the text written
    // reads back the same.
    IniFile stray;
    stray.parse("[A\rB]\nk\rx = v\r \n[A B]\nm=1\n");
    EXPECT_EQ(stray.serialize(), "[A B]\r\nk x=v\r\nm=1\r\n");
}

TEST(IniFile, SaveReplacesTheFileWholeAndLoadReadsItBack)
{
    TempFolder tmp;
    const auto file = tmp / "x.ini";
    TempFolder::write(file, "[Old]\nk=1\n");
    IniFile ini(file);
    std::string error;
    ASSERT_TRUE(ini.load(error)) << error;
    ini.writeString("New", "v", "é");
    ASSERT_TRUE(ini.save(error)) << error;
    EXPECT_EQ(TempFolder::read(file), "[Old]\r\nk=1\r\n\r\n[New]\r\nv=\xE9\r\n");
    IniFile again(file);
    ASSERT_TRUE(again.load(error));
    EXPECT_EQ(again.readString("New", "v", ""), "é");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), std::filesystem::directory_iterator()), 1);
}

TEST(IniFile, MissingFileLoadsEmpty)
{
    TempFolder tmp;
    IniFile ini(tmp / "none.ini");
    std::string error;
    EXPECT_TRUE(ini.load(error));
    EXPECT_TRUE(ini.sectionNames().empty());
}

TEST(IniFile, FailedSaveReportsTheFileAndLeavesTheOldOne)
{
    TempFolder tmp;
    std::string error;
    IniFile noFolder(tmp / "missing" / "x.ini");
    noFolder.writeString("S", "k", "v");
    EXPECT_FALSE(noFolder.save(error));
    EXPECT_NE(error.find("x.ini"), std::string::npos) << error;

    // A folder where the file should be: the rename fails and no temporary is left.
    std::filesystem::create_directory(tmp / "taken.ini");
    TempFolder::write(tmp / "taken.ini" / "inside", "keep");
    IniFile taken(tmp / "taken.ini");
    taken.writeString("S", "k", "v");
    error.clear();
    EXPECT_FALSE(taken.save(error));
    EXPECT_NE(error.find("taken.ini"), std::string::npos) << error;
    EXPECT_EQ(TempFolder::read(tmp / "taken.ini" / "inside"), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), std::filesystem::directory_iterator()), 1);
}

// No file of this tool comes near 1 MiB: a larger one is refused unread, so a stray
// 50 MB file cannot keep a load busy.
TEST(IniFile, FilesOverOneMebibyteAreRefusedUnread)
{
    TempFolder tmp;
    std::string big = "[GeneralConf]\r\n";
    while (big.size() <= IniFile::kMaxFileSize)
        big += "Key" + std::to_string(big.size()) + "=1\r\n";
    TempFolder::write(tmp / "big.conf", big);
    IniFile ini(tmp / "big.conf");
    ini.writeString("Kept", "k", "v");
    std::string error;
    EXPECT_FALSE(ini.load(error));
    EXPECT_NE(error.find("big.conf is larger than 1 MiB"), std::string::npos) << error;
    EXPECT_EQ(ini.readString("Kept", "k", ""), "v") << "nothing of the file was read";

    TempFolder::write(tmp / "fits.conf", big.substr(0, IniFile::kMaxFileSize));
    IniFile fits(tmp / "fits.conf");
    EXPECT_TRUE(fits.load(error));
    EXPECT_GT(fits.keys("GeneralConf").size(), 50000u);
}
