#include <gtest/gtest.h>

#include "engine/archivenames.h"
#include "engine/archivenaming.h"
#include "sets/setcommands.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

QStringList Names(const QList<ArchiveRow>& rows) {
    QStringList names;
    for (const ArchiveRow& row : rows) names << row.Number + u':' + row.path();
    return names;
}

TEST(ArchiveNamingRules, FolderAndFilterParts) {
    struct Case {
        const char* folder;
        const char* name;      // FolderNamePart
        const char* external;  // ExternalFolderName of it
    };
    const Case cases[] = {
        {"C:\\My Documents", "My Documents", "MyDoc"},   // six characters first, then no blanks
        {"C:\\Data\\Report.2024", "Report", "Report"},   // the extension goes
        {"C:\\Data\\Projects\\", "Projects", "Projec"},  // a trailing backslash is not a name
        {"C:\\", "", ""},                                // a drive root has no name
        {"\\\\S1\\D\\Archive", "Archive", "Archiv"},
        {"C:\\a.b.c", "a.b", "a.b"},  // only the last extension
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderNamePart(P(c.folder)), P(c.name)) << c.folder;
        EXPECT_EQ(ExternalFolderName(FolderNamePart(P(c.folder))), P(c.external)) << c.folder;
    }
    struct Filter {
        const char* filter;
        QChar initial;
    };
    const Filter filters[] = {{"report*.doc", u'r'},
                              {"*.doc", u'*'},
                              {"sub\\xfile*.txt", u'x'},
                              {"a\\b\\c*.txt", u'b'},
                              {"", QChar()}};
    for (const Filter& f : filters) EXPECT_EQ(FilterInitial(P(f.filter)), f.initial) << f.filter;
    EXPECT_TRUE(IsAsciiLetter(u'Z'));
    EXPECT_FALSE(IsAsciiLetter(QChar(0xE9))) << "an accented letter is not A-Z";
}

TEST(ArchiveNamingRules, SchemesInTheOrderTheArchivesAreMade) {
    const QStringList folders{P("C:\\Projects"), P("C:\\My Documents"), P("C:\\")};
    const QStringList filters{P("report*.doc"), P("*.txt")};
    const QString temp = P("C:\\Temp\\\\");  // any trailing backslashes become one
    EXPECT_EQ(Names(FolderRows(folders, temp, true)),
              QStringList({P("0:C:\\Temp\\.zip"), P("1:C:\\Temp\\My Documents.zip"),
                           P("2:C:\\Temp\\Projects.zip")}));
    EXPECT_EQ(Names(FolderRows(folders, temp, false)),
              QStringList({P("0:C:\\Temp\\.zip"), P("1:C:\\Temp\\MyDoc.zip"),
                           P("2:C:\\Temp\\Projec.zip")}));
    EXPECT_EQ(Names(FolderAndFilterRows(folders, filters, temp)),
              QStringList({P("0:C:\\Temp\\f1.zip"), P("1:C:\\Temp\\r.zip"),
                           P("2:C:\\Temp\\MyDf1.zip"), P("3:C:\\Temp\\MyDr.zip"),
                           P("4:C:\\Temp\\Projf1.zip"), P("5:C:\\Temp\\Projr.zip")}));
    EXPECT_EQ(Names(NumberedRows(1, 2, 3, P("C:"))),
              QStringList({P("0:C:\\fol0.zip"), P("1:C:\\fol1.zip")}));
    EXPECT_EQ(Names(NumberedRows(2, 2, 3, P("C:"))),
              QStringList({P("0:C:\\fil2.zip"), P("1:C:\\fil1.zip"), P("2:C:\\fil0.zip")}));
    EXPECT_EQ(
        Names(NumberedRows(3, 2, 2, P("C:"))),
        QStringList({P("1:C:\\f1.zip"), P("2:C:\\f2.zip"), P("3:C:\\f3.zip"), P("4:C:\\f4.zip")}));
    EXPECT_EQ(SingleArchivePath(P("C:\\Temp"), P("Wednes")), P("C:\\Temp\\Wednes.zip"));
}

TEST(ArchiveNamingRules, ExternalCommandAndTypedNames) {
    struct Command {
        const char* archive;
        const char* zipTemp;
        bool accepted;
    };
    const Command commands[] = {
        {"C:\\Temp\\Monday.zip", "C:\\Temp", true},
        {"C:\\My Temp\\Monday.zip", "C:\\My Temp", false},                         // a blank
        {"C:\\Zip_Temp\\Monday.zip", "C:\\Zip_Temp", false},                       // an underscore
        {"C:\\Temp\\ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ.zip", "C:\\Temp", true},  // 63
        {"C:\\Temp\\ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJK.zip", "C:\\Temp", false},  // 64
        {"C:\\Temp\\My Zip.zip", "C:\\Temp", true},  // only the folder is checked for blanks
    };
    for (const Command& c : commands)
        EXPECT_EQ(ExternalCommandAcceptable(P(c.archive), P(c.zipTemp)), c.accepted) << c.archive;
    for (const char* good : {"fol0", "My Archive", "r_Monday"})
        EXPECT_TRUE(IsValidArchiveName(P(good))) << good;
    for (const char* bad : {"", "  ", "a/b", "a\\b", "c:x", "x*", "x?", "a\"b", "<x>", "a|b"})
        EXPECT_FALSE(IsValidArchiveName(P(bad))) << bad;
}

class ArchiveNamingTest : public ControllerTest {
  protected:
    ArchiveNamingTest() {
        controller();
        z->settings.ZipTemp = P("C:\\Temp");
    }
    ArchiveNaming& naming() { return z->naming(); }
    QStringList table() { return Names(z->archiveNames().Archives); }
};

TEST_F(ArchiveNamingTest, CoreNameGivesTheSingleArchiveAndThePerFilterNames) {
    z->panels.set(0, P("Wednesday"));
    z->model.Nametype = 0;
    z->sets().RefreshOptions();
    EXPECT_EQ(SingleArchivePath(P("C:\\Temp"), z->sets().CoreName()), P("C:\\Temp\\Wednes.zip"));

    z->model.Nametype = 1;
    z->model.ZipCoreName.clear();
    z->sets().RefreshOptions();
    EXPECT_EQ(SingleArchivePath(P("C:\\Temp"), z->sets().CoreName()), P("C:\\Temp\\KEELWI.zip"));

    z->panels.set(0, P("Monday"));
    z->model.Nametype = 0;
    z->sets().RefreshOptions();
    z->model.FilterList = {P("report*.doc"), P("*.txt")};
    EXPECT_EQ(naming().NameByFilters(P("C:\\Temp")), 2);
    EXPECT_EQ(table(), QStringList({P("0:C:\\Temp\\fil1.zip"), P("1:C:\\Temp\\r_Monday.zip")}));
}

TEST_F(ArchiveNamingTest, ARepeatedInitialLetterAsksAndAbortStopsTheNaming) {
    const QString question =
        P("Two or more specified Filters have the same inital letter \"r\"\rIf you choose Ignore, "
          "one or more archives will not be created,\rOthers may contain misplaced files \rUse the "
          "always name option to eliminate this problem");
    z->model.FilterList = {P("report*.doc"), P("*.txt"), P("readme*.txt"), P("Rates*.xls")};
    z->model.Nametype = 1;
    z->model.ZipCoreName = P("Office");
    world.prompter().answerNext(Button::Ignore);
    EXPECT_EQ(naming().NameByFilters(P("C:\\Temp")), 4);
    EXPECT_EQ(world.prompter().questions(), QStringList{question}) << "R and r are different";
    EXPECT_EQ(world.prompter().records().first().helpContext, 41);
    EXPECT_EQ(table(), QStringList({P("0:C:\\Temp\\R_Office.zip"), P("1:C:\\Temp\\r_Office.zip"),
                                    P("2:C:\\Temp\\fil1.zip"), P("3:C:\\Temp\\r_Office.zip")}));

    z->UsedInitials.clear();
    world.prompter().answerNext(Button::Abort);
    z->view.CheckBar = 20;
    EXPECT_EQ(naming().NameByFilters(P("C:\\Temp")), -1);
    EXPECT_EQ(z->panels[4], P("Operation Aborted"));
    EXPECT_EQ(z->view.CheckBar, 0);
}

TEST_F(ArchiveNamingTest, NamedArchivesAreCheckedAgainstWhatTheSetNeeds) {
    z->model.DirSource = {P("C:\\A"), P("C:\\B")};
    z->model.FilterList = {P("*.txt")};
    z->archiveNames().Archives = FolderRows({P("C:\\X"), P("C:\\Y"), P("C:\\Z")}, P("C:"), true);
    world.prompter().answerNext(Button::Yes);
    EXPECT_EQ(naming().CheckNamedArchives(1), 1);
    EXPECT_EQ(world.prompter().questions().last(),
              P("3 2\rBefore you can use Named archives you must set up a list of names \r\none "
                "for each selected Folders\r\nCurrently you have selected 2,Folders, so you will "
                "need to name 2 Archives.\r\nDo you want to start the Archive names utility now. "
                "Please select Yes or \r\nNo  "));
    world.prompter().answerNext(Button::No);
    EXPECT_EQ(naming().CheckNamedArchives(3), 0);

    z->archiveNames().Archives.removeLast();
    EXPECT_EQ(naming().CheckNamedArchives(1), 2);
    EXPECT_EQ(naming().CheckNamedArchives(3), 2) << "two folders times one filter";

    z->model.FilterList.clear();
    world.prompter().answerNext(Button::Ok);
    EXPECT_EQ(naming().CheckNamedArchives(2), 0);
    EXPECT_EQ(world.prompter().questions().last(),
              P("Cannot create backup :\r\n\r\nAs yet you have not selected any Source Filters, "
                "Please return to source selection\r\nto select the required Filtersfor your "
                "backup. "));
    EXPECT_EQ(world.prompter().records().last().icon, IconKind::Error);
}

TEST_F(ArchiveNamingTest, ExternalCommandRefusalAndTheCoreNameBox) {
    z->settings.ZipTemp = P("C:\\My Temp");
    EXPECT_FALSE(naming().CheckExternalCommand(P("C:\\My Temp\\Monday.zip")));
    EXPECT_EQ(world.prompter().messages(),
              QStringList{P("Backup aborted, Specific Name and or Local Directory Path\rmay be "
                            "too Long, Contain spaces or Underscores\rExternal [DOS] Zip utility "
                            "will fail\rPlease check and used shorter Name or Path")});
    naming().ZipNameKeyPress(u'a', P("Accounting"));
    EXPECT_NE(z->model.ZipCoreName, P("Accoun")) << "only Enter leaves the box";
    naming().ZipNameKeyPress(QChar(13), P("Accounting"));
    EXPECT_EQ(z->model.ZipCoreName, P("Accoun"));
}

}  // namespace
}  // namespace harbex::test
