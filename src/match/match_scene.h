#pragma once

// One 20 ms step of a running match (at most 50 per second).
void MatchScene();
