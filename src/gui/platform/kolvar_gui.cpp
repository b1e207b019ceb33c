// The Qt layer of the program; its parts live in the folders beside this one.
