#pragma once

// Screen readers meet the analog clock and the digital field as text whose
// accessible name is the time they show: without this they find two nameless
// fillers. Safe to call more than once.
void TilmeldUrTilgaengelighed();
