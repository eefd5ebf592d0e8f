// What the designer keeps between runs: the grid and the snap lines, under
// HKEY_CURRENT_USER\Software\Velmora\Designer.
#pragma once

struct DesignerSettings {
    int Grid = 8; // pixels between the grid's points; 0 for no grid
    bool SnapLines = true;
};

// The settings kept, with the defaults for any missing or out of range.
DesignerSettings ReadSettings();
// Keeps Settings for the next run; false when the registry refused them.
bool WriteSettings(const DesignerSettings& Settings);
