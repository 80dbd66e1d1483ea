#include "files/kvtml_reader.h"
#include "files/list_import.h"
#include "files/xml_problem.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

// "description | pairs", then the left-out lines and the languages where there are any; or
// "fails: " and the problem.
std::string Digest(const ImportOutcome& outcome) {
    if (!outcome.list) {
        return "fails: " + EnglishText(outcome.problem);
    }
    const ImportedList& list = *outcome.list;
    std::string digest = list.description + " | " + ListText(list.pairs);
    for (std::size_t i = 0; i < list.leftOutLines.size(); ++i) {
        digest += (i == 0 ? " | left out " : ",") + std::to_string(list.leftOutLines[i]);
    }
    if (!list.languages.TextA.empty() || !list.languages.TextB.empty()) {
        digest += " | " + list.languages.TextA + "/" + list.languages.TextB;
    }
    return digest;
}

struct ImportCase {
    const char* name;
    std::string bytes;
    std::string digest;
};

void ExpectImports(const std::string& path, ImportFormat format,
                   std::initializer_list<ImportCase> cases) {
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DetectImportFormat(path, c.bytes.substr(0, ImportDetectionBytes)), format);
        EXPECT_EQ(Digest(ImportWordList(format, path, c.bytes)), c.digest);
    }
}

TEST(ListImport, AnkiPlainTextGivesTheFrontAndBackOfEveryNote) {
    ExpectImports(
        "/home/ann/cards.txt", ImportFormat::AnkiText,
        {
            {"tab, with deck and tags lines",
             "#separator:tab\n#html:false\n#notetype:Basic\n#deck:French\n#tags:verbs\n"
             "cat\tchat\ndog\tchien\n",
             "cards.txt | cat=chat; dog=chien"},
            {"separator named in any case", "#separator:Semicolon\ncat;chat\n",
             "cards.txt | cat=chat"},
            {"pipe", "#separator:PIPE\ncat|chat\n", "cards.txt | cat=chat"},
            {"the character itself", "#separator:|\ncat|chat\n", "cards.txt | cat=chat"},
            {"colon", "#separator:colon\ncat:chat\n", "cards.txt | cat=chat"},
            {"space", "#separator:Space\ncat chat\n", "cards.txt | cat=chat"},
            {"quotes hold the separator, doubled quotes and line breaks",
             "#separator:Comma\n\"a, b\",\"say \"\"hi\"\"\"\n\"two\nlines\",x\n",
             "cards.txt | a, b=say \"hi\"; two lines=x"},
            {"guid, notetype and deck columns hold no words",
             "#separator:tab\n#guid column:1\n#notetype column:2\n#deck column:3\n"
             "g1\tBasic\tFrench\tcat\tchat\tnoun\n",
             "cards.txt | cat=chat"},
            {"a tags column before the words", "#separator:tab\n#tags column:1\nnoun\tcat\tchat\n",
             "cards.txt | cat=chat"},
            {"columns name Front and Back elsewhere",
             "#separator:tab\n#columns:Tags\tBack\tFront\nnoun\tchat\tcat\n",
             "cards.txt | cat=chat"},
            {"html: tags, breaks, entities, sound",
             "#separator:tab\n#html:true\n<b>cat</b>[sound:cat.mp3]\t\"le&nbsp;chat<br>noir "
             "&amp;\nblanc\"\n",
             "cards.txt | cat [sound=cat.mp3]=le chat / noir & blanc"},
            {"a field that looks like html without the header",
             "#separator:tab\n<div>cat</div><div>kitten</div>\t&#233;t&#xE9; &lt;3\n",
             "cards.txt | cat / kitten=été <3"},
            // Every entity of HTML; a line break or a block makes alternatives.
            {"named entities, breaks and blocks",
             "#separator:tab\n&icirc;le &euro;&hellip; &bogus;\tthank you<br>thanks\n"
             "<ul><li>one</li><li>two</li></ul>\ta<div>b<div>c</div></div>d<script>x</script>\n",
             "cards.txt | île €… &bogus;=thank you / thanks; one / two=a / b / c / d"},
            {"megabytes of markup are read in their first 64 KB",
             "#separator:tab\nword\t" + Repeat("<b>y</b>", 20'000) + "\n",
             "cards.txt | word=" + std::string(8192, 'y')},
            {"plain fields keep their angle brackets",
             "#separator:tab\n#html:false\na < b\tc > d\n", "cards.txt | a < b=c > d"},
            {"empty sides are left out, with their lines; a sound is a side",
             "#separator:tab\ncat\tchat\n\tchien\nbird\t\n\n[sound:x.mp3]\toiseau\n",
             "cards.txt | cat=chat; [sound=x.mp3]=oiseau | left out 3,4"},
            {"a [sound: that runs into another tag is text, its brackets written so that it reads "
             "back the same",
             "#separator:tab\nsay [sound:a [sound:b.mp3]\tdire\n",
             "cards.txt | say (sound:a (sound:b.mp3]=dire"},
            {"CR LF", "#separator:tab\r\n#html:false\r\ncat\tchat\r\n", "cards.txt | cat=chat"},
            {"a quote never closed", "#separator:tab\ncat\tchat\n\"dog\tchien\n",
             "fails: The quoted field that begins on line 3 is never closed."},
            {"headers only", "#separator:tab\n#html:false\n", "fails: It holds no word pair."},
        });
}

TEST(ListImport, CsvAndTsvTakeTheFirstTwoColumnsSplitAlike) {
    ExpectImports(
        "sheets/animals.csv", ImportFormat::Delimited,
        {
            {"commas", "cat,chat\ndog,chien\n", "animals.csv | cat=chat; dog=chien"},
            {"a semicolon wins over a comma", "cat;chat, le\ndog;chien\n",
             "animals.csv | cat=chat, le; dog=chien"},
            {"the separator that splits every record alike wins",
             "essen;speisen,to eat\ntrinken,to drink\n",
             "animals.csv | essen;speisen=to eat; trinken=to drink"},
            {"a quote inside a field is no quote", "12\" ruler,r\xC3\xA8gle\npencil,crayon\n",
             "animals.csv | 12\" ruler=r\xC3\xA8gle; pencil=crayon"},
            {"a tab wins over both", "a,b\tc;d\n", "animals.csv | a,b=c;d"},
            {"separators in quotes do not count", "\"a;b\",c\n", "animals.csv | a;b=c"},
            {"BOM and CR LF",
             "\xEF\xBB\xBF"
             "cat,chat\r\ndog,chien\r\n",
             "animals.csv | cat=chat; dog=chien"},
            {"a line break in quotes becomes a blank", "\"two\r\nlines\",\"a \"\"b\"\"\"\n",
             "animals.csv | two lines=a \"b\""},
            {"blanks around words go", " cat , chat \n", "animals.csv | cat=chat"},
            {"extra columns ignored, short rows left out, blank lines passed over",
             "cat,chat,noun\ndog\n,x\n\nbird,oiseau",
             "animals.csv | cat=chat; bird=oiseau | left out 2,3"},
            {"a note alone is no word", "[note=f.],milk\ncat,chat\n",
             "animals.csv | cat=chat | left out 1"},
            {"not UTF-8", "caf\xE9,coffee\n", "fails: It is not UTF-8 text."},
            {"a NUL byte", std::string("a,b\0c\n", 6), "fails: It is not UTF-8 text."},
            {"one column only", "cat\ndog\n", "fails: It holds no word pair."},
        });
}

TEST(ListImport, KvtmlGivesTranslationsTitleAndLanguages) {
    const std::string version2Head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
        "<kvtml version=\"2.0\">\n";
    ExpectImports(
        "/tmp/animals.kvtml", ImportFormat::Kvtml,
        {
            {"version 2",
             version2Head +
                 "<information><title>Animals</title></information>\n<identifiers>\n"
                 "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>\n"
                 "<identifier id=\"1\"><name>French</name><locale> </locale></identifier>\n"
                 "<identifier id=\"2\"><name>German</name><locale>de</locale></identifier>\n"
                 "</identifiers>\n<entries>\n"
                 "<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation>"
                 "<translation id=\"1\"><text>chat</text></translation>"
                 "<translation id=\"2\"><text>Katze</text></translation></entry>\n"
                 "<entry id=\"1\"><translation id=\"1\"><text><![CDATA[<poisson>]]></text>"
                 "</translation><translation id=\"0\"><text>fish &amp; chips</text>"
                 "</translation></entry>\n</entries>\n"
                 "<lessons><container><name>L1</name><entry id=\"0\"/></container></lessons>\n"
                 "</kvtml>\n",
             "Animals | cat=chat; fish & chips=<poisson> | en/French"},
            {"no title, a missing translation",
             version2Head +
                 "<entries>\n<entry id=\"0\"><translation id=\"0\"><text>cat</text></translation>"
                 "<translation id=\"1\"><text>chat</text></translation></entry>\n"
                 "<entry id=\"1\"><translation id=\"0\"><text>dog</text></translation></entry>\n"
                 "</entries></kvtml>",
             "animals.kvtml | cat=chat | left out 6"},
            {"version 1",
             "<?xml version=\"1.0\"?>\n<kvtml title=\"Verbs\">\n"
             "<e><o l=\"en\">eat</o><t l=\"fr\">manger</t></e>\n<e><o>drink</o><t>boire</t></e>\n"
             "</kvtml>\n",
             "Verbs | eat=manger; drink=boire | en/fr"},
            {"malformed", version2Head + "<entries>\n<entry>\n</entries>\n",
             "fails: The XML is malformed on line 6: Start-end tags mismatch."},
            {"another XML root", "<html><body/></html>",
             "fails: The XML holds no kvtml word list."},
            {"no entries", version2Head + "</kvtml>", "fails: It holds no word pair."},
            // Each empty element is a node of 64 bytes: 16 times its 4 bytes.
            {"many tiny elements", "<kvtml>" + Repeat("<x/>", 300'000) + "</kvtml>",
             "fails: Its XML holds far more elements than a word list of its size; it is "
             "refused."},
            {"more entries than a list holds",
             "<kvtml>" +
                 Repeat("<e><o>a</o><t>b</t></e>\n", static_cast<int>(MaxKvtmlEntries) + 1) +
                 "</kvtml>",
             "fails: It holds more than 100000 entries, more than this program reads; it is "
             "refused."},
        });
}

TEST(ListImport, ContentDecidesBeforeTheExtensionAndNativeListsStayNative) {
    const struct {
        const char* path;
        const char* head;
        ImportFormat format;
    } cases[] = {
        {"list.txt", "Verbs\nmanger\tto eat\nboire\tto drink\n", ImportFormat::None},
        {"list.txt", "Desc\nhello\tworld\nhola mundo\nuno\none\n", ImportFormat::None},
        {"list.txt", "manger\tto eat\nboire\tto drink\n", ImportFormat::Delimited},
        // Only a tab makes a table of a text file; commas and semicolons are words' own.
        {"list.txt", "\nessen;speisen,to eat\r\n\ntrinken,to drink\n", ImportFormat::None},
        {"list.csv", "\nessen;speisen,to eat\r\n\ntrinken,to drink\n", ImportFormat::Delimited},
        {"list.txt",
         "Greetings, formal\nGood morning, sir\nBuenos d\xC3\xAD"
         "as, se\xC3\xB1or\n",
         ImportFormat::None},
        {"list.txt", "Verbs, irregular\n", ImportFormat::None},
        {"list", "a\tb\tc\n\"x\ny\"\tb\tc\n", ImportFormat::Delimited},
        {"list.txt", "a\tb\tc\nd\te\n", ImportFormat::None},
        // Rows that differ only in trailing empty fields split alike.
        {"list.txt", "neko\tねこ\tcat\t\tN5\ninu\tいぬ\tdog\t\tN5\t\nto\tと\tand\t\t\n",
         ImportFormat::Delimited},
        {"list.txt", "Verbs\n", ImportFormat::None},
        {"deck.apkg", "PK\x03\x04", ImportFormat::AnkiPackage},
        {"deck.colpkg", "PK\x05\x06", ImportFormat::AnkiPackage},
        {"list.txt", "#separator:tab\ncat\tchat\n", ImportFormat::AnkiText},
        {"list.csv", "\xEF\xBB\xBF#html:true\n", ImportFormat::AnkiText},
        {"list.txt", "#comment: not Anki's\n", ImportFormat::None},
        {"list.txt", "\n <?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">", ImportFormat::Kvtml},
        {"list.txt", "Tags such as <kvtml> in a description\n", ImportFormat::None},
        {"list.CSV", "a,b\n", ImportFormat::Delimited},
        {"list.tsv", "a\tb\n", ImportFormat::Delimited},
        {"folder.csv/list.txt", "a\n", ImportFormat::None},
        {".csv", "a\n", ImportFormat::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + ": " + c.head);
        EXPECT_EQ(DetectImportFormat(c.path, c.head), c.format);
    }
    // A head that ends within a line leaves that line out.
    EXPECT_EQ(DetectImportFormat("list.txt", "a\tb\nc\td\ne", false), ImportFormat::Delimited);
    EXPECT_EQ(DetectImportFormat("list.txt", "a\tb\nc\td\ne", true), ImportFormat::None);
}

// "description | pairs" as read under the choice, then "header" when the first row was taken
// for the columns' names, and the proposed or chosen columns.
std::string ChosenDigest(const std::string& path, const std::string& bytes,
                         const ImportChoice& choice) {
    const ImportFormat format = DetectImportFormat(path, bytes);
    const ImportPreview preview = PreviewImport(format, path, bytes, choice);
    return Digest(ImportWordList(format, path, bytes, choice)) +
           (preview.head.headerRow ? " | header" : "") + " | columns " +
           std::to_string(preview.head.columns.word + 1) + "," +
           std::to_string(preview.head.columns.translation + 1);
}

TEST(ListImport, AHeaderRowIsFoundAndItsNamesProposeTheColumns) {
    const struct {
        const char* name;
        std::string bytes;
        std::string digest;
    } cases[] = {
        {"names of kinds of column", "word,translation,synonym,context,comment\nhund,dog,,,\n",
         "t.csv | hund=dog | header | columns 1,2"},
        {"word and meanings after an id",
         "id\tword\treadings\tmeanings\n1\t\xE7\x8C\xAB\t\xE3\x81\xAD\xE3\x81\x93\tcat\n",
         "t.csv | \xE7\x8C\xAB=cat | header | columns 2,4"},
        {"languages, in English and in their own names",
         "Spanish\tEnglish\tSvenska\nperro\tdog\thund\ngato\tcat\tkatt\n",
         "t.csv | perro=dog; gato=cat | header | columns 1,2"},
        {"FRONT and Back in any case", "Notes,Back,FRONT\nx,chat,cat\n",
         "t.csv | cat=chat [note=x] | header | columns 3,2"},
        {"rows below of the same kind",
         "English,anglais\nGerman,allemand\nFrench,fran\xC3\xA7"
         "ais\n",
         "t.csv | English=anglais; German=allemand; French=fran\xC3\xA7"
         "ais | columns 1,2"},
        {"two known names among others",
         "Id,CreatedAt,Word,Translation,Tags\n1,2025,hola,hello,x\n",
         "t.csv | hola=hello | header | columns 3,4"},
        {"plain words", "cat,chat\ndog,chien\n", "t.csv | cat=chat; dog=chien | columns 1,2"},
        // One of two cells is a column's name: not most of them.
        {"a first pair that is a name", "number,num\xC3\xA9ro\nhouse,maison\ndog,chien\n",
         "t.csv | number=num\xC3\xA9ro; house=maison; dog=chien | columns 1,2"},
        {"names of two words", "Word,Word Meaning\n\xE6\x9C\xAC,book\n\xE5\xBD\xBC,\"he, him\"\n",
         "t.csv | \xE6\x9C\xAC=book; \xE5\xBD\xBC=he, him | header | columns 1,2"},
        {"names as programs write them",
         "japanese,reading,english,verb_group,additional_info,verb_te_form\n\xE7\x8C\xAB,"
         "\xE3\x81\xAD"
         "\xE3\x81\x93,cat,,,\n\xE7\x8A\xAC,\xE3\x81\x84\xE3\x81\xAC,dog,,,\n",
         "t.csv | \xE7\x8C\xAB=cat; \xE7\x8A\xAC=dog | header | columns 1,3"},
        {"names with a mark",
         "Spanish\tEnglish\tTag\tExample ES\tComment\nperro\tdog\tn\tel perro\t\n",
         "t.csv | perro=dog [note=el perro] | header | columns 1,2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChosenDigest("/d/t.csv", c.bytes, {}), c.digest);
    }
}

TEST(ListImport, TheChoiceOverridesEachGuess) {
    const std::string table = "word,translation,note\nhund,dog,noun\nKatze,cat,noun\n";
    struct Case {
        const char* name;
        std::string bytes;
        ImportChoice choice;
        std::string digest;
    };
    const std::vector<Case> cases{
        {"no header row",
         table,
         {.headerRow = false},
         "t.csv | word=translation; hund=dog; Katze=cat | columns 1,2"},
        {"a header row",
         "cat,chat\ndog,chien\n",
         {.headerRow = true},
         "t.csv | dog=chien | header | columns 1,2"},
        {"any two columns, either way round",
         table,
         {.columns = ColumnPair{2, 0}},
         "t.csv | noun=hund; noun=Katze | header | columns 3,1"},
        {"the separator",
         "a;b,c\nd;e,f\n",
         {.separator = ';'},
         "t.csv | a=b,c; d=e,f | columns 1,2"},
        {"the description",
         table,
         {.description = "German nouns"},
         "German nouns | hund=dog [note=noun]; Katze=cat [note=noun] | header | columns 1,2"},
        {"a column the file lacks",
         table,
         {.columns = ColumnPair{0, 3}},
         "fails: It has no column 4; its last column is 3. | header | columns 1,4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChosenDigest("/d/t.csv", c.bytes, c.choice), c.digest);
    }
}

TEST(ListImport, ThePreviewShowsTheFirstRecordsAndWhetherTheGuessIsCertain) {
    std::string many;
    for (int i = 1; i <= 30; ++i) {
        many += "w" + std::to_string(i) + "\tt" + std::to_string(i) + "\n";
    }
    const std::string kvtml =
        "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>English</name>"
        "<locale>en</locale></identifier><identifier id=\"1\"><name>French</name>"
        "<locale>fr</locale></identifier><identifier id=\"2\"><name>German</name>"
        "<locale>de</locale></identifier></identifiers><entries><entry>"
        "<translation id=\"0\"><text>cat</text></translation><translation id=\"1\">"
        "<text>chat</text></translation><translation id=\"2\"><text>Katze</text>"
        "</translation></entry></entries></kvtml>";
    const struct {
        const char* path;
        std::string bytes;
        // certain | columns | rows: first row's fields | names
        std::string digest;
    } cases[] = {
        {"l.txt", many, "certain | 2 | 20: w1 t1 | "},
        {"l.csv", "a,b,c\n", "asks | 3 | 1: a b c | "},
        {"l.csv", "front,back\ncat,chat\n", "asks | 2 | 1: cat chat | front back"},
        {"l.csv", "a,b\nc\n", "asks | 2 | 2: a b | "},
        {"l.txt", "#separator:tab\n#columns:Front\tBack\tTags\ncat\tchat\tx\n",
         "certain | 3 | 1: cat chat x | Front Back Tags"},
        {"l.kvtml", kvtml, "asks | 3 | 1: cat chat Katze | English French German"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + (" " + c.bytes.substr(0, 20)));
        const ImportPreview preview =
            PreviewImport(DetectImportFormat(c.path, c.bytes), c.path, c.bytes);
        const auto joined = [](const std::vector<std::string>& texts) {
            std::string text;
            for (const std::string& part : texts) {
                text += (text.empty() ? "" : " ") + part;
            }
            return text;
        };
        ASSERT_FALSE(preview.problem) << EnglishText(*preview.problem);
        EXPECT_EQ(std::string(preview.head.certain ? "certain" : "asks") + " | " +
                      std::to_string(preview.columnCount) + " | " +
                      std::to_string(preview.rows.size()) + ": " +
                      joined(preview.rows.front().fields) + " | " +
                      joined(preview.head.columnNames),
                  c.digest);
    }
    const ImportChoice frenchGerman{.columns = ColumnPair{1, 2}};
    EXPECT_EQ(Digest(ImportWordList(ImportFormat::Kvtml, "l.kvtml", kvtml, frenchGerman)),
              "l.kvtml | chat=Katze | fr/de");
}

TEST(ListImport, NoImportedWordHoldsALineBreakOrAnotherControlCharacter) {
    const struct {
        const char* path;
        std::string bytes;
        std::string digest;
    } cases[] = {
        {"a.txt", "#separator:tab\ndog&#10;hound\tchien\ncat&#13;\tchat\nbird\toiseau\n",
         "a.txt | dog hound=chien; cat=chat; bird=oiseau"},
        {"a.csv",
         "\"a\x01\x1b"
         "b\",c\x7f"
         "d\ne\xC2\x85"
         "f,g\xE2\x80\xA8h\n",
         "a.csv | a  b=c d; e f=g h"},
        {"a.kvtml", "<kvtml><e><o>x&#9;y</o><t>z&#xA;</t></e></kvtml>", "a.kvtml | x y=z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(Digest(ImportWordList(DetectImportFormat(c.path, c.bytes), c.path, c.bytes)),
                  c.digest);
    }
}

TEST(ListImport, MessagesNameTheFileAndTheFirstLeftOutLines) {
    EXPECT_EQ(EnglishText(ImportFailureMessage("/a/b.csv", {"It is not UTF-8 text."})),
              "Can't import the file\n/a/b.csv\nIt is not UTF-8 text.");
    EXPECT_EQ(EnglishText(LeftOutRowsMessage("/a/b.csv", {7})),
              "1 row of b.csv was left out because a word or its translation is empty.\nLine 7");
    EXPECT_EQ(EnglishText(LeftOutRowsMessage("b.csv", {2, 3, 5, 8, 13, 21})),
              "6 rows of b.csv were left out because a word or its translation is empty.\n"
              "Lines 2, 3, 5, 8, 13, ...");
}

// The reasons are translatable, but in English they stay pugixml's own words.
TEST(ListImport, XmlReasonsInEnglishAreThoseOfTheParser) {
    for (int status = pugi::status_ok; status <= pugi::status_no_document_element; ++status) {
        pugi::xml_parse_result parsed;
        parsed.status = static_cast<pugi::xml_parse_status>(status);
        EXPECT_EQ(EnglishText(XmlParseProblem(parsed)), parsed.description()) << status;
    }
}

} // namespace
