// A small form with one of each control the modal-loop tests drive, recording what its
// handlers saw.
#pragma once

#include <string>
#include <vector>

#include "common/errors.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/memo.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/radio_button.h"
#include "toolkit/timer.h"

namespace mtp::tk {

class SampleForm : public TForm {
public:
    SampleForm() : TForm(u"FSample") {
        SetCaption(u"Sample");
        SetClientSize(300, 200);
        SetKeyPreview(true);
        pnl.SetAlign(TAlign::alClient);
        memo.SetBounds(0, 0, 200, 50);
        memo.SetTabOrder(0);
        btnOk.SetBounds(200, 150, 90, 25);
        btnOk.SetDefault(true);
        btnOk.SetTabOrder(1);
        btnOk.OnClick = [this] {
            Log("btnOk");
            if (failOk)
                throw Error(u"copy failed");
            SetModalResult(mrOk);
        };
        btnAbort.SetBounds(200, 175, 90, 25);
        btnAbort.SetCancel(true);
        btnAbort.SetModalResult(mrCancel);
        btnAbort.SetTabOrder(2);
        rdb0.SetChecked(true);
        rdb0.SetTabOrder(3);
        for (auto* r : {&rdb0, &rdb1})
            r->OnClick = [this] { Log(rdb0.Checked() ? "rdb0 checked" : "rdb1 checked"); };
        tmStart.SetInterval(100);
        tmStart.SetEnabled(false);
        tmStart.OnTimer = [this] {
            tmStart.SetEnabled(false);
            Log("tmStart");
        };
        OnShow = [this] {
            tmStart.SetEnabled(true);
            Log("show");
        };
        OnClose = [this](TCloseAction&) {
            Log("close");
            if (failClose)
                throw Error(u"cannot save");
        };
        OnKeyDown = [this](uint16_t& key, TShiftState) {
            Log("key " + std::to_string(key));
            if (key == vkEscape)
                SetModalResult(mrCancel);
        };
        SetMessageHandler(kWmDeviceChange, [this](TMessage& m) {
            Log("device " + std::to_string(m.WParam));
            m.Result = 1;
        });
        mnuA.SetCaption(u"A");
        mnuA.OnClick = [this] { Log("mnuA"); };
        pmnu.AddItem(mnuA);
        pmnu.OnPopup = [this] { mnuA.SetChecked(!mnuA.Checked()); };
        DoCreate();
    }

    void Log(std::string what) { log.push_back(std::move(what)); }

    TPanel& pnl = Add<TPanel>(u"pnl");
    TMemo& memo = Add<TMemo>(u"memo", pnl);
    TButton& btnOk = Add<TButton>(u"btnOk", pnl);
    TButton& btnAbort = Add<TButton>(u"btnAbort", pnl);
    TRadioButton& rdb0 = Add<TRadioButton>(u"rdb0", pnl);
    TRadioButton& rdb1 = Add<TRadioButton>(u"rdb1", pnl);
    TTimer& tmStart = Add<TTimer>(u"tmStart");
    TMenuItem& mnuA = Add<TMenuItem>(u"mnuA");
    TPopupMenu& pmnu = Add<TPopupMenu>(u"pmnu");
    bool failClose = false;
    bool failOk = false;
    std::vector<std::string> log;
};

} // namespace mtp::tk
