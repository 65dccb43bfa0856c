text before
$TFLOATARRAY
bad
2 2
1 x
