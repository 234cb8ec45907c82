// Context help: sections read out of help files, the help panel with its
// topic lists and its size and place buttons, and the help buttons of the
// workspaces.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QTemporaryDir>
#include <optional>
#include <set>

#include "app/services.h"
#include "platform/buttons.h"
#include "platform/common.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/frames.h"
#include "platform/labels.h"
#include "platform/lists.h"
#include "platform/richpane.h"
#include "platform/tabstrip.h"
#include "shell/defaults.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/helppanel.h"
#include "shell/helptopics.h"
#include "support/dialog_script.h"

namespace {

using testsupport::DialogScript;

constexpr shell::WorkspaceId kWorkspaces[] = {shell::kCalculatorWorkspace, shell::kParticleWorkspace,
                                              shell::kRigidWorkspace,      shell::kRectilinearWorkspace,
                                              shell::kProjectileWorkspace, shell::kKinematicsWorkspace};

const QString kNotLoaded = QStringLiteral("No pude cargar el archivo.");

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// ---- sections

TEST(HelpSection, TextBetweenTheKeyLineAndStop) {
    const QStringList file = {"texto suelto", "[ONE]",  "primera", "segunda", "[STOP]", "[EMPTY]", "[STOP]",    "[TWO]",
                              "x!1",          "[STOP]", "[PAD] ",  "algo",    "[STOP]", "[OPEN]",  "sin cierre"};
    const struct {
        const char* key;
        std::optional<QString> text;
    } cases[] = {
        {"ONE", QStringLiteral("primera\r\nsegunda")},
        {"TWO", QStringLiteral("x!1")},
        // A "[STOP]" right after the key closes an empty section instead of
        // running on into the next one.
        {"EMPTY", QString()},
        {"OPEN", std::nullopt},  // the file ends inside the section
        {"one", std::nullopt},   // other letter case
        {"PAD", std::nullopt},   // a trailing blank on the key line
        {"MISSING", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(shell::HelpSection(file, QString::fromLatin1(c.key)), c.text);
    }
}

class HelpFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteFile(dir.filePath("T.txt"), "[K]\r\nv!0 = 3 m//s\r\nsegunda l\xC3\xADnea\r\n[STOP]\r\n"));
        pane.SetText(QStringLiteral("antes"));
    }
    bool Load(const QString& file, const QString& key, double size = 10) {
        return shell::LoadHelpTopic(pane, hold, QStringLiteral("Times New Roman"), size, dir.filePath(file), key);
    }

    QTemporaryDir dir;
    plat::RichPane pane, hold;
    DialogScript dialogs;
};

TEST_F(HelpFolder, LoadsTheSectionAsFormattedTextWithTheCaretAtTheStart) {
    ASSERT_TRUE(Load("T.txt", "K", 8));
    EXPECT_EQ(pane.Text(), QString::fromUtf8("v0 = 3 m/s\nsegunda línea"));
    EXPECT_EQ(pane.SelStart(), 0);
    EXPECT_EQ(pane.FormatAt(0).fontSize, 8);
    EXPECT_LT(pane.FormatAt(1).offsetTwips, 0);  // the subscript
    EXPECT_TRUE(hold.Text().isEmpty());
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(HelpFolder, AMissingFileOrKeyIsReportedAndThePaneKeepsItsText) {
    for (const auto& [file, key] : {std::pair{"Nada.txt", "K"}, std::pair{"T.txt", "KK"}}) {
        dialogs.Answer(plat::MsgResult::OK);
        EXPECT_FALSE(Load(QString::fromLatin1(file), QString::fromLatin1(key)));
        EXPECT_EQ(dialogs.Shown().back().prompt, kNotLoaded);
        EXPECT_EQ(dialogs.Shown().back().title, QStringLiteral("Teluvar"));
        EXPECT_EQ(pane.Text(), QStringLiteral("antes"));
    }
}

// ---- the table help buttons of the motion workspaces

TEST(TableHelpTopic, FollowsThePicturedAndListedProcedures) {
    const struct {
        shell::WorkspaceId mode;
        int button, picture, list;
        std::optional<int> topic;
    } cases[] = {
        {shell::kRectilinearWorkspace, 0, 0, -1, 2},
        {shell::kRectilinearWorkspace, 1, 1, -1, 3},
        {shell::kRectilinearWorkspace, 1, 5, -1, 7},
        {shell::kRectilinearWorkspace, 2, 0, 0, 8},
        {shell::kRectilinearWorkspace, 2, 0, 1, 9},
        {shell::kRectilinearWorkspace, 2, 0, 2, 10},
        {shell::kRectilinearWorkspace, 2, 0, 5, 10},
        {shell::kRectilinearWorkspace, 2, 0, 6, 11},
        {shell::kRectilinearWorkspace, 2, 0, 7, 12},
        {shell::kRectilinearWorkspace, 2, 0, 8, 13},
        {shell::kRectilinearWorkspace, 2, 0, 12, 13},
        {shell::kRectilinearWorkspace, 2, 0, -1, std::nullopt},
        {shell::kProjectileWorkspace, 0, 0, -1, 2},
        {shell::kProjectileWorkspace, 1, 1, -1, 3},
        {shell::kProjectileWorkspace, 1, 2, -1, 4},
        {shell::kProjectileWorkspace, 1, 3, -1, 5},
        {shell::kProjectileWorkspace, 1, 4, -1, 5},
        {shell::kProjectileWorkspace, 1, 5, -1, 6},
        {shell::kProjectileWorkspace, 2, 0, 0, 7},
        {shell::kProjectileWorkspace, 2, 0, 7, 14},
        {shell::kProjectileWorkspace, 2, 0, 8, 15},
        {shell::kProjectileWorkspace, 2, 0, -1, std::nullopt},
        {shell::kCalculatorWorkspace, 0, 0, -1, std::nullopt},
        {shell::kKinematicsWorkspace, 2, 0, 3, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::TableHelpTopic(c.mode, c.button, c.picture, c.list), c.topic)
            << c.mode << " " << c.button << " " << c.picture << " " << c.list;
}

// ---- the panel on the main window, with the program's own help files

class HelpPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetDataFolder(QStringLiteral(TELUVAR_SOURCE_DIR "/data"));
        shell::Workspaces w = app::RealServices();
        auto help = std::make_unique<shell::HelpPanel>();
        help_ = help.get();
        w.help = std::move(help);
        form_ = std::make_unique<shell::Form1>(std::move(w));
        form_->EndProgram = [] {};
        form_->Form_Load();
        form_->show();
        form_->FinishLoad();
    }
    void TearDown() override {
        form_.reset();
        plat::SetDataFolder(QString());
    }

    shell::Form1& form() { return *form_; }
    shell::HelpPanel& help() { return *help_; }
    plat::RichPane& pane() { return *form_->rtbHelp; }
    template <class T>
    T* Find(const QString& name) {
        return form_->findChild<T*>(name);
    }
    // Lists the topics of a workspace without setting the workspace up.
    void Topics(shell::WorkspaceId mode) {
        shell::Shared().WorkspaceMode = mode;
        help().FillHelpCbo(mode);
    }
    // Every character of the pane at this size.
    bool AllAtSize(double size) {
        for (const auto& run : pane().Runs())
            if (run.format.fontSize != size) return false;
        return !pane().Runs().empty();
    }

    DialogScript dialogs;

private:
    shell::HelpPanel* help_ = nullptr;
    std::unique_ptr<shell::Form1> form_;
};

TEST_F(HelpPanelTest, EveryTopicOfEveryWorkspaceLoadsFromTheProgramsFiles) {
    std::optional<QString> msg;
    for (shell::WorkspaceId mode : kWorkspaces) {
        Topics(mode);
        const auto topics = shell::HelpTopics(mode);
        ASSERT_EQ(form().cboHelp->ListCount(), static_cast<int>(topics.size()));
        EXPECT_EQ(form().cboHelp->ListIndex(), -1);  // nothing chosen by filling
        std::set<QString> texts;
        for (int i = 0; i < form().cboHelp->ListCount(); ++i) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " topic " << i);
            EXPECT_EQ(form().cboHelp->List(i), QString::fromUtf8(topics[i].title));
            pane().SetText(QString());
            form().cboHelp->SetListIndex(i);
            EXPECT_FALSE(pane().Text().trimmed().isEmpty());
            EXPECT_EQ(pane().SelStart(), 0);
            texts.insert(pane().Text());
            // The first topic of every workspace but rigid-body statics is
            // the same shared section.
            if (i == 0 && mode != shell::kRigidWorkspace) {
                if (!msg) msg = pane().Text();
                EXPECT_EQ(pane().Text(), *msg);
            }
        }
        EXPECT_EQ(texts.size(), topics.size()) << "two topics of mode " << mode << " show one text";
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(HelpPanelTest, EveryTopicTitleIsShownWholeInTheOpenList) {
    plat::ComboBox& cbo = *form().cboHelp;
    const int scrollBar = cbo.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (shell::WorkspaceId mode : kWorkspaces) {
        Topics(mode);
        const QFontMetrics fm(cbo.view()->font());
        for (int i = 0; i < cbo.ListCount(); ++i)
            EXPECT_LT(fm.horizontalAdvance(cbo.List(i)) + scrollBar, cbo.view()->minimumWidth())
                << "mode " << mode << ": " << cbo.List(i).toStdString();
    }
}

// The chosen title stands whole in the closed box too, in a font still
// readable; a short one keeps the box's own font.
TEST_F(HelpPanelTest, EveryTopicTitleIsShownWholeInTheClosedBox) {
    plat::ComboBox& cbo = *form().cboHelp;
    const QFont own = cbo.view()->font();
    for (shell::WorkspaceId mode : kWorkspaces) {
        Topics(mode);
        for (int i = 0; i < cbo.ListCount(); ++i) {
            cbo.SetListIndex(i);
            const QString title = cbo.List(i);
            SCOPED_TRACE(testing::Message() << "mode " << mode << ": " << title.toStdString());
            EXPECT_LE(QFontMetrics(cbo.font()).horizontalAdvance(title), cbo.TextRoom());
            EXPECT_GE(QFontInfo(cbo.font()).pixelSize(), 8);
            if (QFontMetrics(own).horizontalAdvance(title) <= cbo.TextRoom()) { EXPECT_EQ(cbo.font(), own); }
        }
    }
}

TEST_F(HelpPanelTest, GeneralHelpAndNoWorkspace) {
    form().ShowWorkspace(7);  // no workspace yet: the general help
    EXPECT_TRUE(form().fraHelp->isVisible());
    const QString general = pane().Text();
    EXPECT_FALSE(general.isEmpty());
    EXPECT_EQ(form().cboHelp->ListIndex(), -1);
    EXPECT_EQ(pane().FormatAt(0).fontSize, 8);
    // With no workspace chosen a topic index loads nothing.
    Topics(shell::kCalculatorWorkspace);
    shell::Shared().WorkspaceMode = shell::kNoWorkspace;
    form().cboHelp->SetListIndex(2);
    EXPECT_EQ(pane().Text(), general);
}

TEST_F(HelpPanelTest, SizeButtonSwitchesBetweenEightAndTenPoints) {
    plat::CommandButton& size = *form().cmdHelpCtrl[1];
    Topics(shell::kCalculatorWorkspace);
    form().cboHelp->SetListIndex(1);
    EXPECT_EQ(pane().FormatAt(0).fontSize, 8);
    size.Press();
    EXPECT_EQ(size.Caption(), QStringLiteral("8"));
    EXPECT_EQ(size.toolTip(), QStringLiteral("Cambiar el tamaño de fuente a 8 puntos"));
    EXPECT_TRUE(AllAtSize(10));  // subscripts included
    EXPECT_EQ(pane().SelStart(), 0);
    form().cboHelp->SetListIndex(2);  // a topic chosen now comes at 10
    EXPECT_EQ(pane().FormatAt(0).fontSize, 10);
    size.Press();
    EXPECT_EQ(size.Caption(), QStringLiteral("10"));
    EXPECT_EQ(size.toolTip(), QStringLiteral("Cambiar el tamaño de fuente a 10 puntos"));
    EXPECT_TRUE(AllAtSize(8));
    form().cmdHelpCtrl[0]->Press();
    EXPECT_EQ(pane().FormatAt(0).fontSize, 8);
}

TEST_F(HelpPanelTest, PlaceButtonMovesThePanelDownAndBackAndCloseHidesIt) {
    form().ShowWorkspace(7);
    plat::CommandButton& place = *form().cmdHelpCtrl[3];
    place.Press();
    EXPECT_EQ(form().fraHelp->y(), 394);
    EXPECT_EQ(plat::HeightTwips(&pane()), 2295);
    EXPECT_EQ(place.Caption(), QString(QChar(0xAD)));
    place.Press();
    EXPECT_EQ(form().fraHelp->y(), 4);
    EXPECT_EQ(plat::HeightTwips(&pane()), 5325);
    EXPECT_EQ(place.Caption(), QString(QChar(0xAF)));
    form().cmdHelpCtrl[2]->Press();
    EXPECT_FALSE(form().fraHelp->isVisible());
}

TEST_F(HelpPanelTest, StaticsButtonsLoadIntoTheHelpTab) {
    form().ShowWorkspace(1);
    std::set<QString> texts;
    for (int i = 0; i < 2; ++i) {
        form().tabCalc->SetTab(0);
        Find<plat::CommandButton>(plat::ArrayName("cmdExampleEstp", i))->Press();
        EXPECT_EQ(form().tabCalc->Tab(), 2);
        texts.insert(form().txtArgHelp->Text());
    }
    for (int i = 0; i < 4; ++i) {
        form().tabCalc->SetTab(0);
        help().cmdHelpEstcr_Click(i);
        EXPECT_EQ(form().tabCalc->Tab(), 2);
        EXPECT_EQ(form().txtArgHelp->SelStart(), 0);
        EXPECT_EQ(form().txtArgHelp->FormatAt(0).fontSize, 10);
        texts.insert(form().txtArgHelp->Text());
    }
    EXPECT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.count(QString()), 0u);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(HelpPanelTest, TableHelpChoosesTheTopicOfWhatTheUserIsDoing) {
    form().ShowWorkspace(3);                                      // rectilinear motion
    form().panels.imgProcs->MouseDown(1, 0, 2 * 540 + 100, 100);  // third picture
    help().cmdHelpTable_Click(1);
    EXPECT_EQ(form().cboHelp->ListIndex(), 5);  // substitute with parameters
    EXPECT_TRUE(form().fraHelp->isVisible());
    const QString shown = pane().Text();
    EXPECT_FALSE(shown.isEmpty());

    form().cmdHelpCtrl[2]->Press();
    help().cmdHelpTable_Click(2);  // no listed procedure chosen: only shows the panel
    EXPECT_EQ(form().cboHelp->ListIndex(), 5);
    EXPECT_EQ(pane().Text(), shown);
    EXPECT_TRUE(form().fraHelp->isVisible());

    Find<plat::ComboBox>("cboProcs")->SetListIndex(7);
    help().cmdHelpTable_Click(2);
    EXPECT_EQ(form().cboHelp->ListIndex(), 12);  // linking two segments
    EXPECT_NE(pane().Text(), shown);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(HelpPanelTest, AMissingHelpFileKeepsWhatThePanelShowed) {
    Topics(shell::kRectilinearWorkspace);
    form().cboHelp->SetListIndex(3);
    const QString shown = pane().Text();
    QTemporaryDir empty;
    plat::SetDataFolder(empty.path());
    dialogs.Answer(plat::MsgResult::OK);
    form().cboHelp->SetListIndex(4);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].prompt, kNotLoaded);
    EXPECT_EQ(pane().Text(), shown);
}

}  // namespace
