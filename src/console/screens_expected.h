// The banner and help screen byte for byte, as the tests expect them.
#pragma once

#include <string>

const std::string ExpectedTitle =
    "\n\n****************************************************************"
    "\n\n    Nimbrel v1.5 by Kestrune"
    "\n\n    http://www.kestrune.example/nimbrel/";

const std::string ExpectedBanner =
    ExpectedTitle + "\n\n****************************************************************\n";

const std::string ExpectedHelpUsage =
    "\n\n\n Usage: \n\t Nimbrel.exe [1 | 0 | -s | -h]  "
    "\n\n\n Examples:\n"
    "\n\n\t // Hide Your Computer on the Network"
    "\n\t Nimbrel.exe 1"
    "\n\n\t // Unhide Your Computer on the Network"
    "\n\t Nimbrel.exe 0"
    "\n\n\t //Show Current Status of Your Computer's Visibility"
    "\n\t Nimbrel.exe -s"
    "\n\n\t // Show this help screen"
    "\n\t Nimbrel.exe -h"
    "\n\n";

const std::string ExpectedHelpTitle =
    ExpectedTitle + "\n\n****************************************************************";

const std::string ExpectedHelp = ExpectedHelpTitle + ExpectedHelpUsage;
