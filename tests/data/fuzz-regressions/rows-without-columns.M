$TFLOATARRAY
rows without columns
2 0


