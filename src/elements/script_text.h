#pragma once
// The 48 lines of text that host scripts place on the screen, each with its
// own scale, colours, font and layout switches, kept in the host's table
// HostScriptText.Lines. Both routines print every non-empty line, so a frame
// that runs both prints each line twice; the second also draws the odd-job
// texts.

void DrawScriptTextA();
void DrawScriptTextB();

// The shared body: every non-empty line of the host's table, in order.
void PrintScriptLines();
