#pragma once

// Application-wide hint behaviour: a hint appears after the mouse has rested
// `delayMs` on a control, stays up to `showMs`, and uses the system's
// tool-tip colour. The editor created last decides for all windows.
void setHintTiming(int delayMs, int showMs);
int hintDelay();
int hintShowTime();
