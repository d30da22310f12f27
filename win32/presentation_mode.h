// Whether Windows reports a presentation: the user said so in the mobility centre, or a program
// asked for it.
#pragma once

bool IsPresentationMode();
