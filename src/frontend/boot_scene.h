#pragma once

// First scene: makes the front end's sheets, reads the options, starts the logo.
void BootScene();
