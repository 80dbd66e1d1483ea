#include "words/side_line.h"

#include <gtest/gtest.h>

namespace {

TEST(SideLine, ReferencesAnywhereInTheLineAreCutFromItsTextAndWrittenBack) {
    const struct {
        const char* line;
        SideParts parts;
    } cases[] = {
        {"[image=cat.png] Katze", {"Katze", "cat.png", "", ""}},
        {"der Hund [sound=hund.ogg]", {"der Hund", "", "hund.ogg", ""}},
        {"gato[note=m., pl. gatos]negro", {"gato negro", "", "", "m., pl. gatos"}},
        {"[image=red.png]", {"", "red.png", "", ""}},
        {"[sound=hund.ogg]", {"", "", "hund.ogg", ""}},
        {"[image= a.png ][image=b.png] x", {"x", "a.png", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSide(c.line), c.parts) << c.line;
        EXPECT_EQ(ParseSide(SideLine(c.parts)), c.parts) << c.line;
    }
}

TEST(SideLine, WordsThatOpenAReferenceStayWordsWhenWritten) {
    const struct {
        SideParts parts;
        const char* line;
    } cases[] = {
        {{"a [image=open", "", "s.ogg", ""}, "a (image=open [sound=s.ogg]"},
        {{"see [note=this] here", "", "", ""}, "see (note=this] here"},
        {{"a [b] c [image=open", "", "", ""}, "a [b] c (image=open"},
        {{"x [note=", "", "", "m."}, "x (note= [note=m.]"},
        {{"a [sound:(image= .]", "", "", ""}, "a (sound:(image= .]"},
        {{"wo<imgel", "", "ca", ""}, "wo(imgel [sound=ca]"},
    };
    for (const auto& c : cases) {
        const std::string line = SideLine(c.parts);
        EXPECT_EQ(line, c.line);
        const SideParts back = ParseSide(line);
        EXPECT_EQ(back.sound, c.parts.sound) << line;
        EXPECT_EQ(back.note, c.parts.note) << line;
        EXPECT_EQ(SideLine(back), line);
    }
}

TEST(SideLine, ASideIsItsTextAndItsMediaWhateverTheirOrderAndNote) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"rot [image=red.png] [note=Farbe]", "[image=red.png]  rot", true},
        {"[image=red.png]", "[image=blue.png]", false},
        {"[image=red.png]", "[sound=red.png]", false},
        {"[image=red.png]", "", false},
        {"[note=only said about it]", "", true},
        {"Hund", "Hund [sound=hund.ogg]", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SideIdentity(c.a) == SideIdentity(c.b), c.same) << c.a << " | " << c.b;
    }
}

TEST(SideLine, ASideWithoutWordsIsShownByItsFileName) {
    EXPECT_EQ(ShownText("[image=pictures/red.png]"), "red");
    EXPECT_EQ(ShownText("[sound=hund.ogg] [note=bellt]"), "hund");
    EXPECT_EQ(ShownText("Katze [image=cat.png]"), "Katze");
    EXPECT_EQ(PairNote("chat [note=m.]", "cat [note=pet]"), "m.; pet");
}

TEST(SideLine, ANoteReplacedKeepsTheRestOfTheLineAndReadsBack) {
    const struct {
        const char* line;
        const char* note;
        const char* written;
    } cases[] = {
        {"[image=cat.png] Katze", "f.", "[image=cat.png] Katze [note=f.]"},
        {"chat [note=m.] [sound=chat.ogg]", "", "chat [sound=chat.ogg]"},
        {"chat [note=m.]", "pl. chats", "chat [note=pl. chats]"},
        {"", "[sic]", "[note=(sic)]"},
        // Words that open a note would take the note in: the line is written anew.
        {"ki [note=ss", "a note", "ki (note=ss [note=a note]"},
    };
    for (const auto& c : cases) {
        const std::string written = WithNote(c.line, c.note);
        EXPECT_EQ(written, c.written) << c.line;
        EXPECT_EQ(ParseSide(written).note, ReferenceValue(c.note)) << c.line;
        EXPECT_EQ(SideIdentity(written), SideIdentity(c.line)) << c.line;
    }
}

} // namespace
