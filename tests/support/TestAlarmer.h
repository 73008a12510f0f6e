#pragma once

class DataFolders;

// Writes a daily alarm pair at that minute, with the first sound played
// twice and a short RTF text, into the user's alarm folders.
void dagligAlarm(const DataFolders &folders, int time, int minut);
