#pragma once

// Whether a sound server is there for the audio library to play through.
// On Linux, Qt Multimedia plays through a PulseAudio server (PipeWire serves
// the same socket): without its socket, loading the library would only cost
// memory and a failed connection. Elsewhere the system's own audio is always
// assumed.
bool SoundServerPresent();
