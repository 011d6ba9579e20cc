// TFImport, the import dialog: a modal form that lists the attached portable devices, scans
// them for activity files, shows what it found in a grid with rows preselected by age, and
// copies the selected files into the working folder on "&Import".
//
// The import run creates it, calls SetupDialog, shows it modally, reads GetCounter when the
// modal result is 1 and destroys it. The scan starts from a one-shot timer 100 ms after the
// window is shown, and again on device changes and option changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog/local_file_name.h"
#include "dialog/my_list.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/form_styler.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/radio_button.h"
#include "toolkit/status_bar.h"
#include "toolkit/string_grid.h"
#include "toolkit/timer.h"

namespace mtp {

// The host's user-interface language. Stored and never read: the dialog is English.
enum class TLanguage : uint8_t { lgEng, lgGer, lgFre, lgSpa, lgIta };

class TFImport : public tk::TForm {
public:
    TFImport();
    ~TFImport() override;

    // Stores the language and rectangle (neither is used), loads the settings and styles the
    // form with `mode`, a style number 0 to 16. aParams and aSilent change nothing.
    void SetupDialog(uint8_t mode, TLanguage lang, tk::TRect TR, const std::u16string& aParams,
                     bool aSilent);
    // The number of files copied while the dialog was open.
    int32_t GetCounter() const { return fcounter; }

    // What the dialog holds, for the run and for tests.
    TLanguage Language() const { return flang; }
    const tk::TRect& HostRect() const { return fRect; }
    bool Initialized() const { return FInitialized; }
    bool DateStringMode() const { return fDateStringMode; }
    bool DateFound() const { return fDateFound; }
    // Null once the dialog has closed.
    const TMyList* FoundFiles() const { return fMyList.get(); }
    const std::vector<std::u16string>* DeviceList() const { return fDevList.get(); }
    // The local name each copied device object holds in the working folder.
    TLocalFileNames& LocalFileNames() { return fLocalNames; }

    // Components, parents before children.
    tk::TFormStyler& AdvFormStyler1 = Add<tk::TFormStyler>(u"AdvFormStyler1");
    tk::TPanel& pnlHead = Add<tk::TPanel>(u"pnlHead");
    tk::TImage& imgDevice = Add<tk::TImage>(u"imgDevice", pnlHead);
    tk::TLabel& lblDev = Add<tk::TLabel>(u"lblDev", pnlHead);
    tk::TMemo& memInfo = Add<tk::TMemo>(u"memInfo", pnlHead);
    tk::TStatusBar& stbar = Add<tk::TStatusBar>(u"stbar");
    tk::TPanel& pnlMain = Add<tk::TPanel>(u"pnlMain");
    tk::TLabel& lblDevID = Add<tk::TLabel>(u"lblDevID", pnlMain);
    tk::TLabel& lblFileSel = Add<tk::TLabel>(u"lblFileSel", pnlMain);
    tk::TLabel& lblDeep = Add<tk::TLabel>(u"lblDeep", pnlMain);
    tk::TSpeedButton& spdConfig = Add<tk::TSpeedButton>(u"spdConfig", pnlMain);
    tk::TStringGrid& gridFiles = Add<tk::TStringGrid>(u"gridFiles", pnlMain);
    tk::TButton& btnOk = Add<tk::TButton>(u"btnOk", pnlMain);
    tk::TButton& btnAbort = Add<tk::TButton>(u"btnAbort", pnlMain);
    tk::TRadioButton& rdb0 = Add<tk::TRadioButton>(u"rdb0", pnlMain);
    tk::TRadioButton& rdb1 = Add<tk::TRadioButton>(u"rdb1", pnlMain);
    tk::TRadioButton& rdb2 = Add<tk::TRadioButton>(u"rdb2", pnlMain);
    tk::TRadioButton& rdb3 = Add<tk::TRadioButton>(u"rdb3", pnlMain);
    tk::TRadioButton& rdb4 = Add<tk::TRadioButton>(u"rdb4", pnlMain);
    tk::TRadioButton& rdb5 = Add<tk::TRadioButton>(u"rdb5", pnlMain);
    tk::TRadioButton& rdbAll = Add<tk::TRadioButton>(u"rdbAll", pnlMain);
    tk::TTimer& tmStart = Add<tk::TTimer>(u"tmStart");
    tk::TApplicationEvents& ApplicationEvents1 = Add<tk::TApplicationEvents>(u"ApplicationEvents1");
    tk::TMenuItem& mnuMDepp = Add<tk::TMenuItem>(u"mnuMDepp");
    tk::TMenuItem& mnuDoub = Add<tk::TMenuItem>(u"mnuDoub");
    tk::TPopupMenu& pmnuOptions = Add<tk::TPopupMenu>(u"pmnuOptions");

private:
    // Marks a rescan or a copy as running for its whole length, however it ends.
    class TWorkScope {
    public:
        explicit TWorkScope(bool& running) : running_(running) { running_ = true; }
        ~TWorkScope() { running_ = false; }
        TWorkScope(const TWorkScope&) = delete;
        TWorkScope& operator=(const TWorkScope&) = delete;

    private:
        bool& running_;
    };

    // The scan's view of the dialog (device/scan_folder.h).
    class TScanHook;

    void DeclareHead();
    void DeclareStatusBar();
    void DeclareMain();
    void DeclareSelection();
    void BindHandlers();

    // Event handlers.
    void FormCreate();
    void FormShow();
    void tmStartTimer();
    void WMDeviceChange(tk::TMessage& message);
    void ApplicationEvents1Idle(bool& done);
    void gridFilesClickCell(int col, int row);
    void gridFilesDblClick();
    void btnOkClick();
    void FormKeyDown(uint16_t& key, tk::TShiftState shift);
    void FormClose(tk::TCloseAction& action);
    void spdConfigClick();
    void pmnuOptionsPopup();
    void mnuMDeppClick();
    void mnuDoubClick();
    void rdb0Click();

    // The rescan of every device, and the scan of the devices found.
    void RescanDevices();
    void EnumerateFiles();
    void ScanOneDevice(int index, const std::u16string& deviceId);
    void FillGrid();
    void AutoSelectFiles();
    void CopySelectedFiles();

    void LoadSettings();
    void SaveSettings();
    void SetDateTextColumnWidths();
    void SetStage(std::u16string_view text);
    void DeferRescan();

    TLanguage flang = TLanguage::lgEng;
    tk::TRect fRect;
    std::u16string fCurFolder;
    std::unique_ptr<std::vector<std::u16string>> fDevList;
    std::unique_ptr<TMyList> fMyList;
    bool FInitialized = false;
    int32_t fcounter = 0;
    int32_t fdeepcounter = 0;
    bool fDateStringMode = false;
    bool fDateFound = false;

    // A rescan or a copy is running. A rescan asked for meanwhile (a device change arrives
    // while the loops let paint messages through) would empty the lists and the grid under
    // the running loop, so it waits: the start timer runs it once the work has ended.
    bool fWorkRunning = false;
    // Which device object each local name in the working folder holds, for all Imports of
    // this dialog.
    TLocalFileNames fLocalNames;
};

} // namespace mtp
