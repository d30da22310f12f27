// The alarm's wave file as the sound call is to find it, and the calls that play a sound.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>

#include "lazy_import.h"

// The alarm setting as a path to play: the file of that name beside the executable where there
// is one, else the setting as it is.
std::wstring AlarmToPlay(const std::string& alarmFile);

// Starts playing the wave file and returns at once; a file that cannot be played rings the
// system's default sound.
inline void PlaySoundAsync(const wchar_t* file)
{
    static LazyImport<decltype(::sndPlaySoundW)> playSound("winmm.dll", "sndPlaySoundW");
    if (auto* pfnPlaySound = playSound.Get())
        pfnPlaySound(file, SND_ASYNC);
}

// Starts playing the wave file at nLevel percent (0 to 100) of its own level and returns at once;
// level 0 plays nothing and stops nothing. A new sound stops the one playing. A file that cannot
// be read as a wave rings as PlaySoundAsync rings it.
void PlaySoundAtLevel(const std::wstring& file, int32_t nLevel);
