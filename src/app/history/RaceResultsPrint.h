#pragma once

class QPagedPaintDevice;
class RaceResultsModel;

// Draws the results of the day on one A4 page: a title with the date, the
// table as the results list shows it (removed races left out), the day's
// bests in bold. However many races the day has, they stand on that one
// page: the rows grow smaller when the page is full. False when the device
// cannot be drawn on.
bool PrintRaceResults(QPagedPaintDevice &printer, const RaceResultsModel &model);
