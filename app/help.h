#pragma once

extern const char* const HelpText;
extern const char* const HelpCaption;
