// The alarm's wave file as the sound call is to find it, and the calls that play a sound.
#include "alarm_sound.h"

#include <memory>
#include <new>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/phase_end.h"
#include "core/settings.h"
#include "core/wave.h"
#include "file_bytes.h"
#include "file_exists.h"
#include "wide_text.h"

namespace {

using PlaySoundFunction = decltype(::PlaySoundW);
using CThread = UniqueHandle<HANDLE, KernelHandleTraits>;

// What a sound's worker owns. The function is looked up on the window's thread: the worker
// touches no static.
struct SoundInMemory {
    PlaySoundFunction* pfnPlaySound;
    std::vector<uint8_t> bytes;
};

// Plays the sound to its end, or until another one stops it, and frees it: no copy outlives the
// sound. Nothing in it throws.
DWORD WINAPI PlayToEnd(void* pSound) noexcept
{
    const std::unique_ptr<SoundInMemory> sound(static_cast<SoundInMemory*>(pSound));
    sound->pfnPlaySound(reinterpret_cast<const wchar_t*>(sound->bytes.data()), nullptr,
                        SND_MEMORY | SND_SYNC | SND_NODEFAULT);
    return 0;
}

// Nothing for a file that cannot be read or is no wave the program can hand on.
std::unique_ptr<SoundInMemory> ReadSound(const std::wstring& path, int32_t nLevel, PlaySoundFunction* pfnPlaySound)
{
    const CFile file = OpenFile(path, GENERIC_READ, kShareAll, OPEN_EXISTING);
    const std::optional<std::string> bytes = file ? ReadAll(file.Get(), kMaxWaveFileBytes) : std::nullopt;
    if (!bytes)
        return nullptr;
    std::optional<WaveSound> wave =
        WaveAtLevel(std::span(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()), nLevel);
    return wave ? std::make_unique<SoundInMemory>(SoundInMemory{pfnPlaySound, std::move(wave->bytes)}) : nullptr;
}

// The worker runs on alone: its handle goes at once. False, the sound freed, without a thread.
bool StartWorker(std::unique_ptr<SoundInMemory> sound)
{
    const CThread thread(::CreateThread(nullptr, 0, PlayToEnd, sound.get(), 0, nullptr));
    if (thread)
        sound.release();
    return static_cast<bool>(thread);
}

}  // namespace

// The system looks for a relative path in the working directory and the system's folders, never
// beside the program: a strip started from elsewhere would ring the default sound instead.
std::wstring AlarmToPlay(const std::string& alarmFile)
{
    std::wstring alarm = WidenAnsi(alarmFile);
    std::wstring beside = AlarmPathBeside(ExecutablePath(), alarm);
    return !beside.empty() && IsFile(beside) ? beside : alarm;
}

// The level lies in the samples, not in the device's volume, which other programs share. A file
// the program does not take, one too large to hold in memory among them, goes to the system as
// before: it rings its default sound, or plays the file at its own level where it can.
void PlaySoundAtLevel(const std::wstring& file, int32_t nLevel)
{
    if (LevelFrom(nLevel) == 0)
        return;
    static LazyImport<PlaySoundFunction> playSound("winmm.dll", "PlaySoundW");
    PlaySoundFunction* pfnPlaySound = playSound.Get();
    if (!pfnPlaySound)
        return;
    pfnPlaySound(nullptr, nullptr, 0);
    std::unique_ptr<SoundInMemory> sound;
    try {
        sound = ReadSound(file, nLevel, pfnPlaySound);
    } catch (const std::bad_alloc&) {
    }
    if (!sound || !StartWorker(std::move(sound)))
        PlaySoundAsync(file.c_str());
}
