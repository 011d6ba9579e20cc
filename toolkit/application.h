// The application object: the owner window, the installed back end, the idle event, the
// screen cursor and the default error report, which shows a failed event handler's error in a
// message box while the form stays open.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/component.h"

namespace mtp::tk {

class TApplicationEvents;
class TForm;

class TApplication {
public:
    // The back end every component talks to; none means nothing is mirrored and any attempt
    // to show something fails.
    Backend* CurrentBackend() const { return backend_; }
    // Installs a back end and answers the one it replaces.
    Backend* InstallBackend(Backend* backend);
    Backend& RequireBackend() const;

    // The window that owns the application's forms (the host's window); 0 for none.
    WindowHandle Handle() const { return handle_; }
    void SetHandle(WindowHandle handle) { handle_ = handle; }

    // Caption of the error report's message box.
    const std::u16string& Title() const { return title_; }
    void SetTitle(std::u16string title) { title_ = std::move(title); }

    // Handles every message waiting now, once.
    void ProcessMessages();
    // Lets windows repaint during a long loop and hands them nothing else.
    void ProcessPaintMessages();
    // Keeps the thread's one usable window in front (the idle hook of a modal form).
    bool FixModalWindow(WindowHandle window);

    // Runs an event handler the way input reaches the program: an error that escapes it is
    // reported in a message box and swallowed. Answers whether the handler ran to its end.
    // Back-end and script faults (BackendFailure) pass through.
    bool Dispatch(const std::function<void()>& handler);
    // Shows the error's text in a message box with an OK button.
    void HandleException(const std::exception& e);

    // The message queue ran empty: fires every idle handler (TApplicationEvents::OnIdle).
    void DoIdle();

    int ShowMessageBox(const std::u16string& text, const std::u16string& caption, unsigned flags);

    // Forms alive now, in creation order; the innermost modal one.
    const std::vector<TForm*>& Forms() const { return forms_; }
    TForm* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }

private:
    friend class TForm;
    friend class TApplicationEvents;
    Backend* backend_ = nullptr;
    WindowHandle handle_ = 0;
    std::u16string title_ = u"Error";
    std::vector<TForm*> forms_;
    std::vector<TForm*> modal_;
    std::vector<TApplicationEvents*> events_;
};

TApplication& Application();

// The screen: the mouse cursor shown over every window of the application.
class TScreen {
public:
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor);

private:
    int cursor_ = crDefault;
};

TScreen& Screen();

// A component that receives the application's events; its owner form keeps it alive.
class TApplicationEvents : public TComponent {
public:
    explicit TApplicationEvents(std::u16string name = {});
    ~TApplicationEvents() override;
    // The queue ran empty. Setting done to false asks to be idled again without waiting.
    std::function<void(bool& done)> OnIdle;
};

} // namespace mtp::tk
