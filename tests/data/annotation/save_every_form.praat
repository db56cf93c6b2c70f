# Reads a TextGrid and saves it in each form Praat writes, into the folder
# given: text (Praat's default encoding: UTF-16 when a text is not ASCII),
# short text, binary, and text in UTF-8.
form Save every form
  sentence Grid grid.TextGrid
  sentence Folder .
endform
Read from file: grid$
Text writing preferences: "try ISO Latin-1, then UTF-16"
Save as text file: folder$ + "/text.TextGrid"
Save as short text file: folder$ + "/short.TextGrid"
Save as binary file: folder$ + "/binary.TextGrid"
Text writing preferences: "UTF-8"
Save as text file: folder$ + "/utf8.TextGrid"
