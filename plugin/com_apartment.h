// COM and OLE for the host's calling thread while one import runs: initialised when the run
// starts (never in DllMain, under the loader lock) and balanced when it ends. A host that has
// already initialised the thread is fine: an apartment of another kind is used as it is and
// left alone; only what this object started is undone.
#pragma once

namespace mtp {

class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Whether this object holds an initialisation that its end balances.
    bool Balances() const { return balance_; }

private:
    bool balance_ = false;
};

} // namespace mtp
