$TFLOATARRAY
columns without rows
0 4294967295
