#include "CommandsTestSupport.h"

#include "automation/AutomationError.h"
#include "commands/CommandWindows.h"
#include "commands/frmRegistryA.h"
#include "commands/frmupdatesA.h"
#include "commands/RegistryNavigation.h"
#include "component/clsRNX10A.h"
#include "services/ProgIds.h"
#include "services/RegistryService.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct RecordingRegistry : RegistryService {
    void RegEditSetLastKey(const std::string &key, bool flag) override
    {
        calls.emplace_back(key, flag);
        if (failure)
            throw *failure;
    }
    std::vector<std::pair<std::string, bool>> calls;
    std::optional<AutomationError> failure;
};

// An installation with a recording registry service in the thread's service set.
struct RegistryFixture : ::testing::Test {
    Installation inst;
    std::shared_ptr<RecordingRegistry> registry = std::make_shared<RecordingRegistry>();
    ScopedFactory fake{progid::Registry, std::static_pointer_cast<RegistryService>(registry)};
    clsRNX10A rnx;

    QComboBox *combo(QWidget *form) { return form->findChild<QComboBox *>("cmbViewRegEditForKey"); }
    QPushButton *button(QWidget *form) { return form->findChild<QPushButton *>("cmdViewRegEditForKey"); }
    void execute()
    {
        std::int32_t hwnd = 0;
        rnx.ExecuteSupportCenter(hwnd, "RNXRUN_REGISTRY");
    }
};

TEST_F(RegistryFixture, LoadsWithItsOneEntryNoneChosen)
{
    onNextModal([&](QWidget *form) {
        EXPECT_EQ(form->windowTitle(), "Zorvane Support Center - Registry");
        EXPECT_EQ(button(form)->text(), "Navigate To ZV Env");
        QComboBox *list = combo(form);
        EXPECT_EQ(list->font().family(), "Verdana");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->itemText(0), "Zorvane Lumora");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(list->currentText(), "");
        form->close();
    });
    execute();
    EXPECT_TRUE(registry->calls.empty());
}

struct ClickCase {
    const char *text;
    bool choose; // pick the list entry rather than type the text
    bool navigates;
};

class RegistryClickRule : public RegistryFixture, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(RegistryClickRule, NavigatesOnlyForTheEntryOrNoChoice)
{
    const ClickCase &c = GetParam();
    frmRegistryA &form = registryNavigatorForm();
    form.Form_Load();
    form.show();
    if (c.choose)
        combo(&form)->setCurrentIndex(0);
    else
        combo(&form)->setEditText(QString::fromUtf8(c.text));
    QTest::mouseClick(button(&form), Qt::LeftButton);
    if (c.navigates) {
        ASSERT_EQ(registry->calls.size(), 1u);
        EXPECT_EQ(registry->calls[0].first, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Zorvane\\Lumora");
        EXPECT_TRUE(registry->calls[0].second);
    } else {
        EXPECT_TRUE(registry->calls.empty());
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(inst.prompt->boxes.empty());
    form.close();
}

INSTANTIATE_TEST_SUITE_P(Table, RegistryClickRule,
                         ::testing::Values(ClickCase{"", false, true}, ClickCase{"Zorvane Lumora", true, true},
                                           ClickCase{"Zorvane Lumora", false, true},
                                           ClickCase{"zorvane lumora", false, false},
                                           ClickCase{"Zorvane Lumora ", false, false},
                                           ClickCase{" Zorvane Lumora", false, false},
                                           ClickCase{"Something else", false, false}),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

class RegistryTyping : public RegistryFixture, public ::testing::WithParamInterface<ClickCase> {};

// Typed key by key and confirmed with Enter, as a user does: the completion and Enter take the
// text as it is, so one that differs from the entry only in case stays itself and does nothing.
TEST_P(RegistryTyping, TextIsTakenAsTypedWithoutCaseFolding)
{
    const ClickCase &c = GetParam();
    frmRegistryA &form = registryNavigatorForm();
    form.Form_Load();
    form.show();
    QLineEdit *edit = combo(&form)->lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromUtf8(c.text));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(combo(&form)->currentText(), QString::fromUtf8(c.text));
    QTest::mouseClick(button(&form), Qt::LeftButton);
    EXPECT_EQ(registry->calls.size(), c.navigates ? 1u : 0u);
    form.close();
}

INSTANTIATE_TEST_SUITE_P(Table, RegistryTyping,
                         ::testing::Values(ClickCase{"ZORVANE LUMORA", false, false},
                                           ClickCase{"zorvane lumora", false, false},
                                           ClickCase{"Zorvane lumora", false, false},
                                           ClickCase{"zorvane", false, false},
                                           ClickCase{"Zorvane Lumora", false, true}),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST_F(RegistryFixture, TwoClicksMakeTwoCallsAndTheDialogStaysOpen)
{
    onNextModal([&](QWidget *form) {
        QTest::mouseClick(button(form), Qt::LeftButton);
        QTest::mouseClick(button(form), Qt::LeftButton);
        EXPECT_EQ(registry->calls.size(), 2u);
        EXPECT_TRUE(form->isVisible());
        form->close();
    });
    execute();
}

TEST_F(RegistryFixture, ServiceFailureIsToldAndTheDialogStaysOpen)
{
    registry->failure = AutomationError(76, "Path not found: /nowhere");
    onNextModal([&](QWidget *form) {
        QTest::mouseClick(button(form), Qt::LeftButton);
        EXPECT_TRUE(form->isVisible());
        form->close();
    });
    EXPECT_NO_THROW(execute());
    ASSERT_EQ(inst.prompt->boxes.size(), 1u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Path not found: /nowhere");
    EXPECT_EQ(inst.prompt->boxes[0].title, "rnx10");
    EXPECT_EQ(inst.prompt->boxes[0].icon, Icon::Critical);
}

class RegistryEscape : public RegistryFixture, public ::testing::WithParamInterface<const char *> {};

TEST_P(RegistryEscape, ClosesWhicheverControlHasTheFocus)
{
    const std::string where = GetParam();
    QPointer<QWidget> shown;
    onNextModal([&](QWidget *form) {
        shown = form;
        QWidget *target = where == "button" ? static_cast<QWidget *>(button(form)) : combo(form)->lineEdit();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
    });
    execute(); // returns only once the dialog is closed
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Controls, RegistryEscape, ::testing::Values("combo", "button"),
                         [](const auto &info) { return std::string(info.param); });

TEST_F(RegistryFixture, OneObjectPerThreadLoadedAfreshAtEveryShowing)
{
    QWidget *first = nullptr;
    onNextModal([&](QWidget *form) {
        first = form;
        combo(form)->addItem("left over");
        combo(form)->setEditText("typed");
        form->close();
    });
    execute();
    onNextModal([&](QWidget *form) {
        EXPECT_EQ(form, first);
        EXPECT_EQ(combo(form)->count(), 1);
        EXPECT_EQ(combo(form)->currentText(), "");
        QTest::mouseClick(button(form), Qt::LeftButton);
        form->close();
    });
    execute();
    EXPECT_EQ(first, &registryNavigatorForm());
    EXPECT_EQ(registry->calls.size(), 1u);
}

TEST(UpdatesNotice, EachCommandShowsANewPictureWindowReleasedAfter)
{
    Installation inst;
    clsRNX10A rnx;
    std::int32_t hwnd = 0;
    for (int round = 0; round < 2; ++round) {
        QPointer<QWidget> shown;
        onNextModal([&](QWidget *window) {
            shown = window;
            EXPECT_NE(qobject_cast<frmupdatesA *>(window), nullptr);
            EXPECT_EQ(window->windowTitle(), "Zorvane Updates");
            const auto labels = window->findChildren<QLabel *>();
            ASSERT_EQ(labels.size(), 1);
            EXPECT_FALSE(labels[0]->pixmap().isNull());
            EXPECT_TRUE(window->findChildren<QAbstractButton *>().isEmpty());
            window->close();
        });
        EXPECT_TRUE(rnx.ExecuteSupportCenter(hwnd, "RNXRUN_UPDATES").isEmpty());
        EXPECT_TRUE(shown.isNull()) << "the window is released when the command ends";
    }
}

struct FolderCase {
    const char *key;
    const char *folder; // under $XDG_CONFIG_HOME; nullptr: error 5
};

class RegistryFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(RegistryFolders, MapPerUserSoftwareKeysOnly)
{
    const FolderCase &c = GetParam();
    EnvironmentScope env;
    env.set("XDG_CONFIG_HOME", "/cfg");
    if (c.folder) {
        EXPECT_EQ(RegistryService::folderForKey(c.key), std::string("/cfg") + c.folder);
        return;
    }
    expectError(5, [&] { RegistryService::folderForKey(c.key); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryFolders,
    ::testing::Values(FolderCase{kLumoraKey, "/VB and VBA Program Settings/Zorvane/Lumora"},
                      FolderCase{"HKEY_CURRENT_USER\\Software\\A\\\\B\\", "/A/B"},
                      FolderCase{"HKEY_LOCAL_MACHINE\\Software\\A", nullptr},
                      FolderCase{"HKEY_CURRENT_USER\\Softwarex\\A", nullptr},
                      FolderCase{"HKEY_CURRENT_USER\\Software\\..\\..\\etc", nullptr},
                      FolderCase{"HKEY_CURRENT_USER\\Software\\A/../../etc", nullptr}, FolderCase{"", nullptr}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(RegistryService, BringsUpTheKeysFolderCreatingIt)
{
    Installation inst;
    RegistryService service;
    service.RegEditSetLastKey(kLumoraKey, true);
    const std::string folder = inst.root() + "/xdg/config/VB and VBA Program Settings/Zorvane/Lumora";
    EXPECT_TRUE(exists(folder));
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0].first, folder);
}

} // namespace
