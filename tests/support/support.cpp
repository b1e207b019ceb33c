// Shared test and benchmark support; the builders live beside this file.
