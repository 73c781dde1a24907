#pragma once

// Texts need fonts and fonts a QGuiApplication: one for the whole test program (offscreen).
void EnsureGuiTestApplication();
