// The port between the components and a window system. Components keep their state and tell
// the back end what changed; the back end mirrors that into windows, runs the message loop,
// shows the platform's dialogs and feeds input back into the components (always through
// TApplication::Dispatch, so a failing handler is reported and the form stays open).
#pragma once

#include <stdexcept>
#include <string>

#include "toolkit/component.h"
#include "toolkit/types.h"

namespace mtp::tk {

class TForm;
class TPopupMenu;

// A fault of the back end itself or of a test script (a scripted scenario that ran out of
// steps, an answer nobody scripted). The error report never swallows it: it ends the modal
// loop and reaches the caller.
class BackendFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Sizes of a form's frame (borders and caption) around its client area.
struct TFrameInsets {
    int Left = 4, Top = 27, Right = 4, Bottom = 4;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Mirroring.
    virtual void Changed(TComponent& component, TChange what) = 0;
    virtual void Destroyed(TComponent& component) = 0;
    virtual TFrameInsets FrameInsets() const = 0;
    virtual WindowHandle Handle(const TForm& form) = 0;
    // Screen position of the form's client-area origin.
    virtual TPoint ClientOrigin(const TForm& form) = 0;

    // The modal loop of a form: BeginModal shows it, HandleMessage handles one message or,
    // when none is waiting, idles once (TApplication::DoIdle); EndModal hides it again.
    virtual void BeginModal(TForm& form) = 0;
    virtual void HandleMessage() = 0;
    virtual void EndModal(TForm& form) = 0;
    // Handles every message waiting now, then returns.
    virtual void ProcessMessages() = 0;
    // Lets windows repaint and nothing else (messages that other threads send still arrive).
    virtual void ProcessPaintMessages() = 0;
    // Brings the thread's one usable window back in front; true when nothing failed.
    virtual bool FixModalWindow(WindowHandle window) = 0;

    // The platform's small dialogs and the screen.
    virtual int ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                               unsigned flags) = 0;
    virtual bool InputQuery(const std::u16string& caption, const std::u16string& prompt,
                            std::u16string& value) = 0;
    virtual void Popup(TPopupMenu& menu, TPoint screen) = 0;
    virtual void SetCursor(int cursor) = 0;
    // A bitmap resource of the plug-in's own module; throws mtp::Error when there is none.
    virtual TBitmap LoadBitmapResource(const std::u16string& name) = 0;
};

} // namespace mtp::tk
