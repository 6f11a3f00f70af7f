#pragma once
// Every text of the string table by name. The numbers are the table's keys; the texts
// themselves live in message_catalogue.cpp, the one place that holds them.

#include <cstdint>

using MessageId = std::uint16_t;

namespace Msg {
// Interface texts: message boxes, settings keys, the idle screen, About.
inline constexpr MessageId SaveGameCaption = 1;      // "Save Game"
inline constexpr MessageId RedAlertExitWarning = 2;  // "... while in a Red Alert Condition. Exit anyway?"
inline constexpr MessageId SaveQuestion = 3;         // "Do you want to save the current game %s?"
inline constexpr MessageId SkillKey = 4;
inline constexpr MessageId HelpFileName = 5;
inline constexpr MessageId IdleHint = 6;  // "Choose NEW or OPEN from the File Menu to begin..."
inline constexpr MessageId AutoSrsKey = 7;
inline constexpr MessageId SingleControlKey = 8;
inline constexpr MessageId IconicPauseKey = 9;
inline constexpr MessageId GeneralSection = 10;
inline constexpr MessageId SoundsKey = 11;
// Keys of the "Positions" section, one per station, in station order from ShortRange.
inline constexpr MessageId ShortRangeKey = 12;
inline constexpr MessageId LongRangeKey = 13;
inline constexpr MessageId NavigationKey = 14;
inline constexpr MessageId PhotonsKey = 15;
inline constexpr MessageId PhasersKey = 16;
inline constexpr MessageId ShieldsKey = 17;
inline constexpr MessageId DamageKey = 18;
inline constexpr MessageId ComputerKey = 19;
inline constexpr MessageId StatusKey = 20;
inline constexpr MessageId ControlsKey = 21;
inline constexpr MessageId MessagesKey = 22;
inline constexpr MessageId PositionsSection = 23;
inline constexpr MessageId ButtonFontName = 24;
inline constexpr MessageId DamageReportOk = 25;  // "-OK-"
inline constexpr MessageId StatusFontName = 26;
inline constexpr MessageId AboutText = 27;         // "KESTRAV Version 2.0"
inline constexpr MessageId ReadErrorText = 28;     // "Errors trying to read the game file %s"
inline constexpr MessageId NotAGameFileText = 29;  // "%s is not a KESTRAV game file."
inline constexpr MessageId LoadGameCaption = 30;   // "Load Game"
inline constexpr MessageId WriteErrorText = 31;    // "Errors trying to write the game file %s"
// Why a file could not be used, when the game and not the system found it out.
inline constexpr MessageId NotRegularFileReason = 40;
inline constexpr MessageId FileTooLargeReason = 41;
inline constexpr MessageId ScoreNotRecordedText = 42;  // "Your score of %d could not be recorded ... %s"
inline constexpr MessageId HighScoresCaption = 43;
inline constexpr MessageId SettingsNotKeptText = 44;  // "Your settings could not be saved in the file %s"
inline constexpr MessageId SettingsCaption = 45;
// The flight recorder's setting, and what the player is told when a journal cannot be written.
inline constexpr MessageId RecordMissionsKey = 46;
inline constexpr MessageId JournalStopped = 47;
// A mission whose journal was cut short (the program was killed or crashed), offered again.
inline constexpr MessageId ResumeQuestion = 48;
inline constexpr MessageId ResumeCaption = 49;
inline constexpr MessageId ResumeFailed = 50;
inline constexpr MessageId BridgeSizeKey = 51;
inline constexpr MessageId BridgeSizeLaterText = 52;  // "The bridge takes its new size ..."
// A mission's journal played again on the bridge.
inline constexpr MessageId ReplayCaption = 60;
inline constexpr MessageId ReplayRefused = 61;  // "The journal %s cannot be replayed: %s."
inline constexpr MessageId ReplayStopped = 62;  // "The replay of the journal %s stopped: %s"
inline constexpr MessageId ReplayMark = 63;     // "REPLAY %dx"
inline constexpr MessageId ReplayFilter = 64;

// Ship's log events.
inline constexpr MessageId ImpulseEngaged = 100;
inline constexpr MessageId WarpEngaged = 101;
inline constexpr MessageId AllStop = 102;  // %d,%d sector
inline constexpr MessageId BlockedByStar = 103;
inline constexpr MessageId BlockedByStarbase = 104;
inline constexpr MessageId BlockedByKlingon = 105;
inline constexpr MessageId BlockedByFarengi = 106;
inline constexpr MessageId BlockedByRomulan = 107;
inline constexpr MessageId BlockedByBorg = 108;
inline constexpr MessageId Docked = 109;
inline constexpr MessageId FiringTorpedo = 110;
inline constexpr MessageId TorpedoConsumedByStar = 111;  // %d,%d
inline constexpr MessageId TorpedoHit = 112;             // %d,%d  %d Units
inline constexpr MessageId StarbaseDestroyed = 113;      // "real smart move, Captain."
inline constexpr MessageId TorpedoLost = 114;
inline constexpr MessageId TubesEmpty = 115;
inline constexpr MessageId AlienDestroyed = 116;
inline constexpr MessageId InternalError = 117;  // %s%d
inline constexpr MessageId FiringPhasers = 118;
inline constexpr MessageId PhaserHit = 119;  // %d,%d  %d Units
inline constexpr MessageId NoTargetHit = 120;
inline constexpr MessageId ShipHit = 121;         // %d Units hit Enterprise
inline constexpr MessageId ShieldsReduced = 122;  // %u%%
inline constexpr MessageId ShieldsDown = 123;
inline constexpr MessageId SrsRepaired = 124;  // 124..133: repairs, in system order
inline constexpr MessageId LrsRepaired = 125;
inline constexpr MessageId WarpRepaired = 126;
inline constexpr MessageId ShieldsRepaired = 127;
inline constexpr MessageId TorpedoControlRestored = 128;
inline constexpr MessageId PhasersRepaired = 129;
inline constexpr MessageId ComputerRepaired = 130;
inline constexpr MessageId DamageControlRepaired = 131;
inline constexpr MessageId StatusPanelRepaired = 132;
inline constexpr MessageId MessageDisplayRepaired = 133;
inline constexpr MessageId DiagnosticsBanner = 134;
inline constexpr MessageId Ready = 135;
inline constexpr MessageId ConditionYellow = 136;
inline constexpr MessageId ConditionGreen = 137;
inline constexpr MessageId SoundingRedAlert = 138;
inline constexpr MessageId ResumingSavedGame = 139;
inline constexpr MessageId GameSaved = 140;
inline constexpr MessageId StarConsumesPhasers = 141;  // %d,%d %d Units
inline constexpr MessageId AlienMissed = 142;
inline constexpr MessageId ShieldsHolding = 143;

// Computer console texts.
inline constexpr MessageId ConsoleGreeting = 200;  // %d neural link
inline constexpr MessageId ConsoleLocation = 201;
inline constexpr MessageId ConsoleHuh = 202;
inline constexpr MessageId ConsoleSeeManual = 203;
inline constexpr MessageId ConsoleTimeReport = 204;
inline constexpr MessageId ConsolePowerReport = 205;
inline constexpr MessageId ConsoleAlienReport = 206;
inline constexpr MessageId ConsoleNoQualifyingStars = 207;
inline constexpr MessageId ConsoleNoStars = 208;
inline constexpr MessageId ConsoleComputingRicochet = 209;
inline constexpr MessageId ConsoleStarbaseFound = 210;
inline constexpr MessageId ConsoleStarbasePossible = 211;
inline constexpr MessageId ConsoleWarpCourse = 212;
inline constexpr MessageId ConsoleScanningSector = 213;
inline constexpr MessageId ConsoleScanStarbase = 214;
inline constexpr MessageId ConsoleScanStar = 215;
inline constexpr MessageId ConsoleScanKlingon = 216;
inline constexpr MessageId ConsoleScanRomulan = 217;
inline constexpr MessageId ConsoleScanBorg = 218;
inline constexpr MessageId ConsoleScanFarengi = 219;
inline constexpr MessageId ConsoleBearing = 220;
inline constexpr MessageId ConsoleCountdown = 221;
inline constexpr MessageId ConsoleRicochetCompatible = 222;
inline constexpr MessageId ConsoleInvalidCoordinates = 224;
inline constexpr MessageId ConsoleImpulseCourse = 225;
inline constexpr MessageId ConsoleRerouting = 226;
inline constexpr MessageId ConsoleUnrerouting = 227;
inline constexpr MessageId PanelRerouted = 228;
inline constexpr MessageId PanelEnabled = 229;
inline constexpr MessageId ConsoleBusy = 231;
inline constexpr MessageId ConsoleDamageMessageDisplay = 232;  // 232..240: DAM's rows
inline constexpr MessageId ConsoleDamageStatusPanel = 233;
inline constexpr MessageId ConsoleDamageSrs = 234;
inline constexpr MessageId ConsoleDamageLrs = 235;
inline constexpr MessageId ConsoleDamageWarp = 236;
inline constexpr MessageId ConsoleDamageShields = 237;
inline constexpr MessageId ConsoleDamagePhasers = 238;
inline constexpr MessageId ConsoleDamagePhotons = 239;
inline constexpr MessageId ConsoleDamageControl = 240;
inline constexpr MessageId ConsoleInvalidTime = 241;
inline constexpr MessageId ConsoleGetSerious = 242;
inline constexpr MessageId ConsoleAnalysisTitle = 243;
inline constexpr MessageId ConsoleRequirement = 244;
inline constexpr MessageId ConsoleRating = 245;
inline constexpr MessageId ConsoleRatingNone = 246;
inline constexpr MessageId ConsoleRequiredToWin = 247;
inline constexpr MessageId ConsoleDoingWell = 248;
inline constexpr MessageId ConsoleFallingBehind = 249;

// Hits on the ship.
inline constexpr MessageId MinorDamageFirst = 500;  // 500..522: no system hit
inline constexpr int MinorDamageCount = 23;
inline constexpr MessageId SystemDamagedFirst = 600;    // + hit number 0..9
inline constexpr MessageId SystemDamagedAgain = 610;    // + hit number
inline constexpr MessageId SystemDestroyedFirst = 620;  // + hit number

// What a screen reader calls the stations' read-outs and buttons.
inline constexpr MessageId StardateLabel = 700;
inline constexpr MessageId QuadrantLabel = 701;
inline constexpr MessageId SectorLabel = 702;
inline constexpr MessageId DilithiumLabel = 703;
inline constexpr MessageId ShieldsLabel = 704;
inline constexpr MessageId PhotonLabel = 705;
inline constexpr MessageId ConditionLabel = 706;
inline constexpr MessageId AliensLabel = 707;
inline constexpr MessageId ConditionRedName = 708;
inline constexpr MessageId ConditionYellowName = 709;
inline constexpr MessageId ConditionGreenName = 710;
inline constexpr MessageId ConditionDockedName = 711;
inline constexpr MessageId ShieldsRowLabel = 712;
inline constexpr MessageId ShortRangeRowLabel = 713;
inline constexpr MessageId LongRangeRowLabel = 714;
inline constexpr MessageId WarpDriveRowLabel = 715;
inline constexpr MessageId PhaserPowerRowLabel = 716;
inline constexpr MessageId PhotonTorpedoesRowLabel = 717;
inline constexpr MessageId ComputerRowLabel = 718;
inline constexpr MessageId WarpUpButton = 720;
inline constexpr MessageId WarpDownButton = 721;
inline constexpr MessageId ImpulseUpButton = 722;
inline constexpr MessageId ImpulseDownButton = 723;
inline constexpr MessageId CoursePlusButton = 724;
inline constexpr MessageId CourseMinusButton = 725;
inline constexpr MessageId ExecuteButton = 726;
inline constexpr MessageId DistanceUpButton = 727;
inline constexpr MessageId DistanceDownButton = 728;
inline constexpr MessageId MoreEnergyButton = 729;
inline constexpr MessageId LessEnergyButton = 730;
inline constexpr MessageId SingleTargetButton = 731;
inline constexpr MessageId WideDispersalButton = 732;
inline constexpr MessageId WarpFactorLabel = 733;
inline constexpr MessageId ImpulseFactorLabel = 734;
inline constexpr MessageId CourseLabel = 735;
inline constexpr MessageId DistanceLabel = 736;
inline constexpr MessageId PhaserChargeLabel = 737;
}  // namespace Msg
