#pragma once
#include "shell/key_guide.h"

// The key guide's page of the item gallery.
extern const KeyGuidePage galleryGuide;
