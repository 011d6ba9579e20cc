#include "toolkit/application.h"

#include <algorithm>
#include <utility>

#include "common/errors.h"

namespace mtp::tk {

TApplication& Application() {
    static TApplication app;
    return app;
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

Backend* TApplication::InstallBackend(Backend* backend) {
    return std::exchange(backend_, backend);
}

Backend& TApplication::RequireBackend() const {
    if (!backend_)
        throw BackendFailure("no window back end is installed");
    return *backend_;
}

void TApplication::ProcessMessages() {
    RequireBackend().ProcessMessages();
}

void TApplication::ProcessPaintMessages() {
    RequireBackend().ProcessPaintMessages();
}

bool TApplication::FixModalWindow(WindowHandle window) {
    return RequireBackend().FixModalWindow(window);
}

bool TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const BackendFailure&) {
        throw;
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleException(Error(u"Unknown error"));
    }
    return false;
}

void TApplication::HandleException(const std::exception& e) {
    ShowMessageBox(ErrorText(e), title_, mbOk | mbIconError);
}

void TApplication::DoIdle() {
    // A handler may destroy an events component; walk a copy.
    auto handlers = events_;
    for (auto* events : handlers) {
        if (std::find(events_.begin(), events_.end(), events) == events_.end() || !events->OnIdle)
            continue;
        Dispatch([&] {
            bool done = true;
            events->OnIdle(done);
        });
    }
}

int TApplication::ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                                 unsigned flags) {
    return RequireBackend().ShowMessageBox(text, caption, flags);
}

void TScreen::SetCursor(int cursor) {
    cursor_ = cursor;
    if (auto* backend = Application().CurrentBackend())
        backend->SetCursor(cursor);
}

TApplicationEvents::TApplicationEvents(std::u16string name) : TComponent(std::move(name)) {
    Application().events_.push_back(this);
}

TApplicationEvents::~TApplicationEvents() {
    std::erase(Application().events_, this);
}

} // namespace mtp::tk
