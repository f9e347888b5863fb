#pragma once

class Form2;

// For developers measuring start-up, never for children: with the environment
// variable TINTARO_BENCH_AUTOSTART=1, main() arms this before showing the
// title window. The program then continues from the title window by itself
// once that window has been painted, prints on standard output when each stage
// was reached (milliseconds since main() began), and quits when the main
// window has painted its first drawing. bench/startup.sh reads that line.
void armStartupBenchmark(Form2 &title);
