#pragma once
// The pictures and the pen that several stations draw with (kept in stationState): the frame
// loads them from the picture bundle when it is created and frees them when it goes.

void LoadSharedPictures();
void FreeSharedPictures();
