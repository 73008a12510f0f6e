#include "platform/OutputVolume.h"

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

namespace {

template <typename T> struct Com
{
    T *p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
};

} // namespace

std::optional<bool> SystemOutputVolume::silent() const
{
    // The GUI thread has COM already; a thread without it gets it for the question.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<bool> stille;
    {
        Com<IMMDeviceEnumerator> enheder;
        Com<IMMDevice> enhed;
        Com<IAudioEndpointVolume> styrke;
        BOOL slaaetFra = FALSE;
        float niveau = 0.0f;
        if (SUCCEEDED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                       __uuidof(IMMDeviceEnumerator),
                                       reinterpret_cast<void **>(&enheder.p))) &&
            SUCCEEDED(enheder.p->GetDefaultAudioEndpoint(eRender, eConsole, &enhed.p)) &&
            SUCCEEDED(enhed.p->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                        reinterpret_cast<void **>(&styrke.p))) &&
            SUCCEEDED(styrke.p->GetMute(&slaaetFra)) &&
            SUCCEEDED(styrke.p->GetMasterVolumeLevelScalar(&niveau)))
            stille = slaaetFra || niveau <= 0.0f;
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return stille;
}
