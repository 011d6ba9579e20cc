// COM for the import run on the host's thread, under Wine: started and balanced when the
// thread had none, counted and balanced when the host already made it single-threaded, left
// alone when the host chose the multi-threaded apartment. Natively there is no COM.
#ifdef _WIN32
#include "plugin/com_apartment.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <thread>
#include <windows.h>

namespace mtp {
namespace {

// What a probe initialisation answers on this thread now; the probe itself is undone.
HRESULT Probe(DWORD model) {
    const HRESULT hr = CoInitializeEx(nullptr, model);
    if (SUCCEEDED(hr))
        CoUninitialize();
    return hr;
}

// Runs `body` on a thread of its own, as a host's thread that starts with no COM.
template <class Body> void OnFreshThread(Body body) {
    std::thread(body).join();
}

TEST(ComApartment, AThreadWithoutComGetsItForTheRunAndLosesItAfter) {
    OnFreshThread([] {
        {
            ComApartment com;
            EXPECT_TRUE(com.Balances());
            EXPECT_EQ(Probe(COINIT_APARTMENTTHREADED), S_FALSE); // initialised now
        }
        EXPECT_EQ(Probe(COINIT_APARTMENTTHREADED), S_OK); // nothing left over
    });
}

TEST(ComApartment, AHostsSingleThreadedApartmentIsCountedAndKept) {
    OnFreshThread([] {
        ASSERT_EQ(OleInitialize(nullptr), S_OK); // the host's own
        {
            ComApartment com;
            EXPECT_TRUE(com.Balances()); // S_FALSE counts once and is balanced
        }
        EXPECT_EQ(Probe(COINIT_APARTMENTTHREADED), S_FALSE); // the host's still stands
        OleUninitialize();
        EXPECT_EQ(Probe(COINIT_APARTMENTTHREADED), S_OK);
    });
}

TEST(ComApartment, AHostsMultiThreadedApartmentIsUsedAndLeftAlone) {
    OnFreshThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            ComApartment com; // OLE answers RPC_E_CHANGED_MODE: nothing to balance
            EXPECT_FALSE(com.Balances());
        }
        EXPECT_EQ(Probe(COINIT_MULTITHREADED), S_FALSE); // still the host's apartment
        CoUninitialize();
        EXPECT_EQ(Probe(COINIT_MULTITHREADED), S_OK);
    });
}

} // namespace
} // namespace mtp
#endif
