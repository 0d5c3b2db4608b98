// Finding and measuring the programs' WAV files, apart from playing them:
// the window asks here whether a sound exists before it loads the sound
// module that plays it.
#pragma once

#include <QString>
#include <QStringList>

// Where the files are looked for, in order: the program's folder, the
// installed data folder (bin/../share/kalvenar), the current directory.
QStringList SoundSearchFolders();
// The file of a relative path ("Voices/skoloda.wav") in the first of those
// folders that has it; empty when none has.
QString LocateSoundFile(const QString& relative);
// The playing time of a PCM WAVE file in milliseconds, -1 when the file is
// no readable WAVE file.
int WavFileDurationMs(const QString& file);
