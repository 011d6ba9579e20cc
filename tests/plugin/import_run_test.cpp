// The import run with a fake dialog and application object: what is called in which order,
// what reaches the dialog, what lands in Connect.zip, and that the clean-up holds however a
// step fails.
#include <algorithm>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <objbase.h>
#endif

#include "common/errors.h"
#include "common/file_system.h"
#include "plugin/import_application.h"
#include "plugin/import_dialog.h"
#include "plugin/import_run.h"
#include "plugin/plugin_state.h"
#include "plugin/user_message.h"
#include "tests/plugin/fresh_plugin_state.h"
#include "tests/support/independent_zip_reader.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_temp_folder.h"

namespace mtp {
namespace {

using testing::Exists;
using testing::IndependentZipReader;
using testing::ScratchFolder;
using Log = std::vector<std::string>;

class FakeApplication : public ImportApplication {
public:
    explicit FakeApplication(Log& log) : log_(log) {}
    void SetHandle(std::uintptr_t hostWindow) override {
        handle_ = hostWindow;
        log_.push_back(hostWindow ? "bind " + std::to_string(hostWindow) : "unbind");
    }
    std::uintptr_t Handle() const override { return handle_; }
    void ProcessMessages() override { log_.push_back("process messages"); }

private:
    Log& log_;
    std::uintptr_t handle_ = 0;
};

// What the fake dialog does while it is shown: the files it copies, how it closes.
struct Script {
    std::vector<std::pair<std::u16string, std::string>> copies;
    int modalResult = kModalResultOk;
    int32_t counter = 0;
    std::function<void()> failInSetup, failInShow;
};

Script Copying(std::vector<std::pair<std::u16string, std::string>> copies, int modalResult,
               int32_t counter) {
    Script script;
    script.copies = std::move(copies);
    script.modalResult = modalResult;
    script.counter = counter;
    return script;
}

struct SetupArgs {
    uint8_t mode, lang;
    DialogRect rect;
    std::u16string params;
    bool silent;
};

class FakeDialog : public ImportDialog {
public:
    FakeDialog(Log& log, const Script& script, std::optional<SetupArgs>& setup,
               std::function<void()> whileShown)
        : log_(log), script_(script), setup_(setup), whileShown_(std::move(whileShown)) {
        log_.push_back("create");
    }
    ~FakeDialog() override { log_.push_back("destroy"); }
    // Only compared, never used: any distinct address stands for the form.
    TFImport* Form() override { return reinterpret_cast<TFImport*>(this); }
    void SetupDialog(uint8_t mode, uint8_t lang, const DialogRect& TR,
                     const std::u16string& aParams, bool aSilent) override {
        log_.push_back("setup");
        setup_ = SetupArgs{mode, lang, TR, aParams, aSilent};
        if (script_.failInSetup)
            script_.failInSetup();
    }
    int ShowModal() override {
        log_.push_back("show");
        if (whileShown_)
            whileShown_();
        for (const auto& [name, bytes] : script_.copies)
            testing::WriteBytes(JoinPath(PluginState.WorkFolder, name), bytes);
        if (script_.failInShow)
            script_.failInShow();
        return script_.modalResult;
    }
    int32_t GetCounter() override {
        log_.push_back("counter");
        return script_.counter;
    }

private:
    Log& log_;
    const Script& script_;
    std::optional<SetupArgs>& setup_;
    std::function<void()> whileShown_;
};

class ImportRun : public test::FreshPluginState {
protected:
    void SetUp() override {
        test::FreshPluginState::SetUp();
        PluginState.HostVersion = 760;
        testing::SetSystemTempFolder(temp.Path());
        previousApplication = SetImportApplication(&application);
        previousFactory = SetImportDialogFactory([this] {
            auto dialog = std::make_unique<FakeDialog>(log, script, setup, whileShown);
            shownForm = dialog->Form();
            return dialog;
        });
        previousSink =
            SetMessageSink([this](MessageKind kind, std::u16string_view text, std::u16string_view) {
                log.push_back("message");
                messages.emplace_back(kind, text);
            });
        testing::WriteBytes(archive, "the archive of an earlier import");
    }
    void TearDown() override {
        SetMessageSink(std::move(previousSink));
        SetImportDialogFactory(std::move(previousFactory));
        SetImportApplication(previousApplication);
        SetCurrentDir(savedDir);
        test::FreshPluginState::TearDown();
    }

    int32_t Run(const std::string& targetFolder) {
        return RunImport(MakeImportRequest(0x1234, 10, 20, 650, 500, 0x0305, 0x0102,
                                           targetFolder.c_str(), 0x0100));
    }
    int32_t Run() { return Run(Utf16ToUtf8(target.Path())); }

    std::u16string WorkFolder() const { return JoinPath(temp.Path(), u"CorvantaSync"); }

    // The archive's entries, name and contents, sorted by name; natively only.
    std::optional<std::vector<std::pair<std::string, std::string>>> ArchiveEntries() const {
        if (!IndependentZipReader::Available())
            return std::nullopt;
        std::vector<std::pair<std::string, std::string>> entries;
        for (const auto& e : IndependentZipReader::Read(Utf16ToUtf8(archive)).entries)
            entries.emplace_back(e.name, e.data);
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    std::u16string savedDir = GetCurrentDir();
    ScratchFolder temp;
    ScratchFolder target;
    std::u16string archive = target / u"Connect.zip";
    Log log;
    std::vector<std::pair<MessageKind, std::u16string>> messages;
    Script script;
    std::optional<SetupArgs> setup;
    std::function<void()> whileShown;
    TFImport* shownForm = nullptr;
    FakeApplication application{log};
    ImportApplication* previousApplication = nullptr;
    ImportDialogFactory previousFactory;
    MessageSink previousSink;
};

TEST_F(ImportRun, CopiedFilesArePackedAndTheWorkingFolderIsWiped) {
    script.copies = {{u"a.fit", "one"}, {u"b.fit", "two"}, {u"c.fit", testing::NoiseBytes(70000)}};
    script.counter = 3;
    bool folderReady = false;
    whileShown = [&] {
        folderReady = DirectoryExists(WorkFolder()) && PluginState.ImportDialog == shownForm &&
                      application.Handle() == 0x1234;
    };

    EXPECT_EQ(Run(), 3);

    EXPECT_EQ(log, (Log{"bind 4660", "process messages", "create", "setup", "show", "counter",
                        "destroy", "unbind"}));
    EXPECT_TRUE(folderReady);
    ASSERT_TRUE(setup.has_value());
    EXPECT_EQ(setup->mode, 0x05); // low bytes only
    EXPECT_EQ(setup->lang, 0x02);
    EXPECT_EQ(setup->rect, (DialogRect{10, 20, 650, 500}));
    EXPECT_EQ(setup->params, target.Path());
    EXPECT_FALSE(setup->silent);
    EXPECT_EQ(PluginState.ImportDialog, nullptr);
    EXPECT_EQ(PluginState.WorkFolder, WorkFolder()); // stays set after the run
    EXPECT_FALSE(Exists(WorkFolder()));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Exists(target / u"Connect.zip.tmp"));
    if (auto entries = ArchiveEntries()) {
        EXPECT_EQ(*entries,
                  (std::vector<std::pair<std::string, std::string>>{
                      {"a.fit", "one"}, {"b.fit", "two"}, {"c.fit", script.copies[2].second}}));
    }
}

TEST_F(ImportRun, NoArchiveUnlessTheDialogClosesWithOkAfterCopying) {
    struct Case {
        const char* what;
        int modalResult;
        int32_t counter;
        bool copies = true;
        int32_t result = 0;
    } cases[] = {
        {"aborted after a copy", 2, 2}, // "&Abort", Escape and the close box
        {"never shown to its end", 0, 2},
        {"OK with nothing copied", kModalResultOk, 0},
        // The count is answered, but an empty working folder packs no archive.
        {"OK with a count and an empty folder", kModalResultOk, 1, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        script = Copying({{u"a.fit", "one"}, {u"b.fit", "two"}}, c.modalResult, c.counter);
        if (!c.copies)
            script.copies.clear();

        EXPECT_EQ(Run(), c.result);

        EXPECT_EQ(testing::ReadBytes(archive), "the archive of an earlier import");
        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_TRUE(messages.empty());
    }
}

#ifdef _WIN32
// The run makes the host's thread a single-threaded apartment while the dialog is shown and
// gives it back untouched afterwards: a multi-threaded request is refused during the run and
// granted after it.
TEST_F(ImportRun, TheThreadIsAnApartmentWhileTheDialogIsShownAndFreeAfterwards) {
    HRESULT during = S_OK;
    whileShown = [&] {
        during = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(during))
            CoUninitialize();
    };
    Run();
    EXPECT_EQ(during, RPC_E_CHANGED_MODE);
    const HRESULT after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(after))
        CoUninitialize();
    EXPECT_EQ(after, S_OK);
}
#endif

TEST_F(ImportRun, FilesLeftByAnEarlierRunArePackedToo) {
    ForceDirectories(WorkFolder());
    testing::WriteBytes(JoinPath(WorkFolder(), u"left-over.fit"), "earlier");
    script.copies = {{u"new.fit", "now"}};
    script.counter = 1;

    EXPECT_EQ(Run(Utf16ToUtf8(IncludeTrailingPathDelimiter(target.Path()))),
              1); // the dialog's count

    EXPECT_FALSE(Exists(WorkFolder()));
    if (auto entries = ArchiveEntries()) {
        EXPECT_EQ(*entries, (std::vector<std::pair<std::string, std::string>>{
                                {"left-over.fit", "earlier"}, {"new.fit", "now"}}));
    }
}

TEST_F(ImportRun, AnArchiveThatCannotBeWrittenIsReportedWithItsPathAndCountsNothing) {
    testing::WriteBytes(target / u"plain-file", "not a folder");
    const std::u16string missing = target / u"missing";
    struct Case {
        std::u16string targetFolder, archivePath;
    } cases[] = {
        {missing, JoinPath(missing, u"Connect.zip")},
        {IncludeTrailingPathDelimiter(missing), JoinPath(missing, u"Connect.zip")},
        {target / u"plain-file", JoinPath(target / u"plain-file", u"Connect.zip")},
        {u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.targetFolder));
        log.clear();
        messages.clear();
        script = Copying({{u"a.fit", "one"}}, kModalResultOk, 1);

        EXPECT_EQ(Run(Utf16ToUtf8(c.targetFolder)), 0);

        // Reported once the dialog is gone, the folder wiped and the window unbound.
        EXPECT_EQ(log, (Log{"bind 4660", "process messages", "create", "setup", "show", "counter",
                            "destroy", "unbind", "message"}));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, MessageKind::Error);
        const std::u16string start = c.archivePath.empty()
                                         ? u"Cannot write the archive: "
                                         : u"Cannot write the archive \"" + c.archivePath + u"\": ";
        EXPECT_EQ(messages[0].second.substr(0, start.size()), start)
            << Utf16ToUtf8(messages[0].second);
        EXPECT_GT(messages[0].second.size(), start.size());
        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_EQ(application.Handle(), 0u);
    }
    std::vector<std::u16string> left;
    for (const auto& e : std::filesystem::directory_iterator(testing::FsPath(target.Path())))
        left.push_back(e.path().filename().u16string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::u16string>{u"Connect.zip", u"plain-file"}));
}

TEST_F(ImportRun, AFailureInTheDialogIsReportedAfterTheCleanUp) {
    struct Case {
        const char* where;
        bool inSetup;
        Log log;
    } cases[] = {
        {"SetupDialog",
         true,
         {"bind 4660", "process messages", "create", "setup", "destroy", "unbind", "message"}},
        {"ShowModal",
         false,
         {"bind 4660", "process messages", "create", "setup", "show", "destroy", "unbind",
          "message"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        log.clear();
        messages.clear();
        script = Copying({{u"a.fit", "one"}}, kModalResultOk, 1);
        auto fail = [] { throw Error(u"The settings file cannot be read."); };
        (c.inSetup ? script.failInSetup : script.failInShow) = fail;

        EXPECT_EQ(Run(), 0);

        EXPECT_EQ(log, c.log);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].second, u"The settings file cannot be read.");
        EXPECT_EQ(PluginState.ImportDialog, nullptr);
        EXPECT_FALSE(Exists(WorkFolder()));
        EXPECT_EQ(testing::ReadBytes(archive), "the archive of an earlier import");
    }
}

TEST_F(ImportRun, ATemporaryFolderOutsideTheAnsiCodePageStillWorks) {
    // A user name in another script: the working folder's path never passes through 8 bits.
    const std::u16string userTemp = temp / u"Пользователь";
    ForceDirectories(userTemp);
    testing::SetSystemTempFolder(userTemp);
    script = Copying({{u"a.fit", "one"}}, kModalResultOk, 1);

    EXPECT_EQ(Run(), 1);

    EXPECT_EQ(PluginState.WorkFolder, JoinPath(userTemp, u"CorvantaSync"));
    EXPECT_FALSE(Exists(PluginState.WorkFolder));
    EXPECT_TRUE(messages.empty());
    if (auto entries = ArchiveEntries()) {
        EXPECT_EQ(*entries, (std::vector<std::pair<std::string, std::string>>{{"a.fit", "one"}}));
    }
}

} // namespace
} // namespace mtp
