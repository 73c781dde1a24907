#pragma once

// Widget tests need one QApplication for the whole test program (offscreen platform).
void EnsureTestApplication();
