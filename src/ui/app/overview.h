#pragma once

// How the program hangs together.
//
// main() makes one MainWindow, one ScoreBoard and one shared random source,
// seeds the source from the clock, and asks the ScreenRegistry for the main
// menu. The registry keeps one instance of every screen for the whole run;
// showScreen() asks the target instance for a fresh page, built in the
// state it opens in, hands it to the window and lets the old page go. The
// menus and the report card have a ScreenId of their own; each exercise
// screen is screenOf() its family. Instances keep their fields, so an
// exercise left on screen and its tally are still there when the pupil
// comes back.
//
// An exercise screen (ui/kit/family_screen.h, a FamilyScreen of its
// family's exercise) only binds: it states its layout, forwards key presses
// and clicks to its *Exercise class in quillo_core, which draws the exercise
// from the random source, knows every expected cell, counts the errors and
// settles the verdict and grade; ExerciseScreen runs the OK / Controllo /
// Valutazione cycle, the answer cells and the kind selectors included, from
// the exercise's table, and opens "Controllo" from the cell the exercise
// names. Answer cells sit in CellSeries rows (ui/kit/cell_series.h); a
// family whose answer is one such series is a SeriesScreen and shares its
// check. ExerciseScreen writes the scoreboard through recordPresented() and
// recordEvaluation() (core/scoring/evaluation_tally.h), the one tally write
// every family shares. The menus are one MenuScreen given a MenuDesign; the
// report card reads the scoreboard and never writes it.
//
// The families are listed once, in core/families/family_list.h. Each states
// its facts in its own folder (a FamilyDescription: captions, texts,
// colours, section, menu button, report line, worksheet), and its screen
// file defines make<Family>Screen(), which the registry calls through
// makeFamilyScreen(). The menus' buttons and the report card's lines are
// built from the descriptions in the list's order. CONTRIBUTING.md gives
// the recipe for a new family.
//
// The teacher's side never meets the pupil's. `quillo --scheda ...` and
// `quillo --schede` are read by the command line (command_line.h) before
// any window exists: the first writes one worksheet to a PDF with no
// display (sheet_file.h), the second opens SheetsWindow instead of the
// pupils' MainWindow. Both ask core/sheets for the sheet (makeSheet), and
// ui/print turns it into a PrintJob that paints its pages; PagePrinter
// prints or saves that job as it does the report card's page.
