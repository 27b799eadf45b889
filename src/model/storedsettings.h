#pragma once

class Settings;
struct TestData;

// The colours and the counter port kept in the settings store between runs.
// A missing, zero or non-numeric stored value gives the default.
void loadStoredSettings(TestData& data, const Settings& settings);
void saveStoredSettings(const TestData& data, Settings& settings);
