10 13 x*sin(x)
