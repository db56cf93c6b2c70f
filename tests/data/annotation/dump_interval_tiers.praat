# Prints what Praat read from a TextGrid of interval tiers: a line per tier
# (name and interval count) and per interval (start, end, text), tab
# separated; then saves it again as a UTF-8 text file.
form Dump interval tiers
  sentence Grid grid.TextGrid
  sentence Resaved resaved.TextGrid
endform
Read from file: grid$
tiers = Get number of tiers
appendInfoLine: "tiers", tab$, tiers
for tier to tiers
  name$ = Get tier name: tier
  intervals = Get number of intervals: tier
  appendInfoLine: "tier", tab$, name$, tab$, intervals
  for i to intervals
    xmin = Get start time of interval: tier, i
    xmax = Get end time of interval: tier, i
    text$ = Get label of interval: tier, i
    appendInfoLine: fixed$ (xmin, 12), tab$, fixed$ (xmax, 12), tab$, text$
  endfor
endfor
Text writing preferences: "UTF-8"
Save as text file: resaved$
