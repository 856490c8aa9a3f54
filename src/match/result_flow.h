#pragma once

// Between a decided match and the result screen: flying panels, banners, waits.
void ResultFlow();
